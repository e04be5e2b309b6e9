#include "video/RelinkJob.h"

#include <filesystem>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "project/Document.h"
#include "video/ObjectFileImport.h"

namespace fs = std::filesystem;

void RelinkJob::Plan(const std::string& projectFolder, std::vector<MissingFiles::Entry> missing,
                     size_t chosen, const std::string& chosenPath) {
    folder_ = projectFolder;
    missing_ = std::move(missing);
    chosen_ = chosen;
    chosenPath_ = chosenPath;
}

Mt::TaskResult RelinkJob::Run(Mt::Task& task) {
    found_.clear();
    if (chosen_ >= missing_.size()) return {};
    std::string name;
    const MissingFiles::Entry& entry = missing_[chosen_];
    if (Mt::TaskResult r = ImportFileForObject(entry.type, folder_, chosenPath_, task, name);
        !r.ok()) {
        return r;
    }
    found_.emplace_back(missing_[chosen_].name, name);
    const fs::path where = fs::path(chosenPath_).parent_path();
    for (size_t i = 0; i < missing_.size(); ++i) {
        const MissingFiles::Entry& other = missing_[i];
        const fs::path candidate = where / fs::path(other.name).filename();
        if (i == chosen_ || other.type == MovieObjectType::Video) continue;
        if (!Sys::FileExists(candidate)) continue;
        if (ImportFileForObject(other.type, folder_, candidate.string(), task, name).ok()) {
            found_.emplace_back(other.name, name);
        }
        if (task.Cancelled()) return Mt::TaskResult::Stopped();
    }
    return {};
}

void RelinkJob::ApplyTo(Document& document) const {
    if (found_.empty()) return;
    document.MakeUndoPoint();
    for (const auto& [missing, replacement] : found_) {
        MissingFiles::Relink(document, missing, replacement);
    }
    document.NotifyRepaint();
    document.NotifyObjectsChanged();
}
