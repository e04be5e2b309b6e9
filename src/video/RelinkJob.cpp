#include "video/RelinkJob.h"

#include <filesystem>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "project/Document.h"
#include "video/MediaImportJob.h"
#include "video/ProjectFileCopy.h"

namespace fs = std::filesystem;

void RelinkJob::Plan(const std::string& projectFolder, std::vector<MissingFiles::Entry> missing,
                     size_t chosen, const std::string& chosenPath) {
    folder_ = projectFolder;
    missing_ = std::move(missing);
    chosen_ = chosen;
    chosenPath_ = chosenPath;
}

Mt::TaskResult RelinkJob::Bring(const MissingFiles::Entry& entry, const std::string& path,
                                Mt::Task& task, std::string& name) {
    if (entry.type != MovieObjectType::Video) {
        ProjectFileCopy copy(folder_);
        Mt::TaskResult r = copy.Bring(path, task);
        name = copy.name();
        return r;
    }
    // A video becomes a new frame folder; only its pictures are used.
    MediaImportJob video;
    video.Plan(folder_, {path}, 0);
    if (Mt::TaskResult r = video.Run(task); !r.ok()) return r;
    if (video.AnyRefused()) return Mt::TaskResult::Failed(video.RefusedMessage());
    for (const MovieObject& o : video.objects()) {
        if (o.type == MovieObjectType::Video) name = Sys::ToUtf8(o.fileName);
    }
    return {};
}

Mt::TaskResult RelinkJob::Run(Mt::Task& task) {
    found_.clear();
    if (chosen_ >= missing_.size()) return {};
    std::string name;
    if (Mt::TaskResult r = Bring(missing_[chosen_], chosenPath_, task, name); !r.ok()) {
        if (r.failed()) return Mt::TaskResult::Failed(r.message() + "\n" + chosenPath_);
        return r;
    }
    found_.emplace_back(missing_[chosen_].name, name);
    const fs::path where = fs::path(chosenPath_).parent_path();
    for (size_t i = 0; i < missing_.size(); ++i) {
        const MissingFiles::Entry& other = missing_[i];
        const fs::path candidate = where / fs::path(other.name).filename();
        if (i == chosen_ || other.type == MovieObjectType::Video) continue;
        if (!Sys::FileExists(candidate)) continue;
        if (Bring(other, candidate.string(), task, name).ok()) found_.emplace_back(other.name, name);
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
