#include "project/Document.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Resource.h"
#include "panelwick/Sys/SystemError.h"
#include "project/CustomColors.h"
#include "project/ProjectFile.h"
#include "project/ProjectRecovery.h"

namespace {

Sys::Result CopyResource(int id, const std::string& path, const char* missing,
                         const char* unsaved) {
    const auto data = Sys::FindResource(id);
    if (data.empty()) return missing;
    errno = 0;
    if (!Sys::WriteWholeFile(path, {reinterpret_cast<const char*>(data.data()), data.size()})) {
        return Sys::WithSystemReason(unsaved, errno);
    }
    return {};
}

MovieObject SampleImage() {
    MovieObject image;
    image.type = MovieObjectType::Image;
    image.begin = 0;
    image.end = 3000;
    image.fileName = u"sample.jpg";
    image.beginState.x = 12500000;
    image.endState.x = 3500000;
    for (ObjectState* s : {&image.beginState, &image.endState}) {
        s->y = 4500000;
        s->sizeX = s->sizeY = 12500;
        s->transparency = 255;
    }
    return image;
}

MovieObject SampleSound() {
    MovieObject sound;
    sound.type = MovieObjectType::Audio;
    sound.begin = 0;
    sound.end = 3000;
    sound.fileName = u"sample.wav";
    return sound;
}

}  // namespace

void Document::SetFile(const std::string& file, const std::string& folder) {
    file_ = file;
    folder_ = folder;
}

Sys::Result Document::Save() {
    Sys::Result result = ProjectFile::Save(file_, properties, objects);
    if (result.failed()) return result;
    if (!folder_.empty()) CustomColors::Save(folder_);
    ProjectRecovery::Discard(file_);
    saved_ = true;
    damaged_ = false;
    return {};
}

Sys::Result Document::SaveAs(const std::string& file) {
    std::string folder;
    if (!Sys::FolderOf(file, folder)) return "A filename is required";
    const std::string oldFile = file_, oldFolder = folder_;
    SetFile(file, folder);
    Sys::Result result = Save();
    if (result.failed()) {
        SetFile(oldFile, oldFolder);
    } else if (oldFile != file_ && !damaged_) {
        ProjectRecovery::Discard(oldFile);
    }
    return result;
}

bool Document::AskToSave(IDocumentPrompt& prompt) {
    if (!saved_) {
        switch (prompt.AskYesNoCancel("Do you want to save the changes?")) {
            case IDocumentPrompt::Answer::Yes: {
                const std::string newFile = damaged_ ? prompt.AskNewFileName() : std::string();
                if (damaged_ && newFile.empty()) return false;
                if (Sys::Result r = damaged_ ? SaveAs(newFile) : Save(); r.failed()) {
                    prompt.ShowError(r.message());
                    return false;
                }
                break;
            }
            case IDocumentPrompt::Answer::No:
                if (!file_.empty()) ProjectRecovery::Discard(file_);
                break;
            case IDocumentPrompt::Answer::Cancel:
                return false;
        }
    }
    CloseProject();
    return true;
}

void Document::CloseProject() {
    if (!folder_.empty() && Sys::FolderExists(paths().tmp())) {
        (void)Sys::DeleteFolderTree(paths().tmp());
    }
    properties = MovieProperties::AfterNew();
    objects.clear();
    saved_ = true;
    damaged_ = false;
    folder_.clear();
    file_.clear();
    history_.Clear();
    ClearSelection();
    NotifyRepaint();
}

bool Document::Open(const std::string& path, IDocumentPrompt& prompt) {
    std::string folder;
    if (!Sys::FolderOf(path, folder)) {
        prompt.ShowError("Unable to extract file path");
        return false;
    }
    MovieProperties readProperties = MovieProperties::AfterNew();
    std::vector<MovieObject> readObjects;
    const Sys::Result r = ProjectFile::Load(path, readProperties, readObjects);
    if (r.failed() && r.message() != ProjectFile::kObjectFailure) {
        prompt.ShowError(r.message());
        return false;
    }
    if (!AskToSave(prompt)) return false;
    ProjectRecovery::RemoveLeftovers(path);
    SetFile(path, folder);
    properties = readProperties;
    objects = std::move(readObjects);
    if (r.ok()) CustomColors::Load(folder_);
    damaged_ = r.failed();
    saved_ = !damaged_;
    NotifyObjectsChanged();
    NotifyRepaint();
    if (r.failed()) prompt.ShowError(r.message());
    return r.ok();
}

void Document::ReplaceContent(MovieProperties newProperties, std::vector<MovieObject> newObjects) {
    MakeUndoPoint();
    properties = newProperties;
    objects = std::move(newObjects);
    ClearSelection();
    NotifyObjectsChanged();
    NotifyRepaint();
}

bool Document::AddSamples(IDocumentPrompt& prompt) {
    for (Sys::Result r : {CopyResource(302, folder_ + "/sample.jpg", "Unable to find sample.jpg",
                                       "Unable to save sample.jpg"),
                          CopyResource(303, folder_ + "/sample.wav", "Unable to find sample.wav",
                                       "Unable to save sample.wav")}) {
        if (r.failed()) {
            prompt.ShowError(r.message());
            return false;
        }
    }
    objects.push_back(SampleImage());
    objects.push_back(SampleSound());
    return true;
}

bool Document::New(const std::string& chosenPath, IDocumentPrompt& prompt, bool withSamples) {
    if (!AskToSave(prompt)) return false;
    std::string parent, name;
    if (!Sys::FileTitle(chosenPath, name)) {
        prompt.ShowError("Invalid filename");
        return false;
    }
    const size_t slash = chosenPath.rfind('/');
    parent = slash == std::string::npos ? std::string() : chosenPath.substr(0, slash);
    const std::string folder = parent + "/" + name;
    if (Sys::FolderExists(folder)) {
        prompt.ShowError("A folder with this name already exist");
        return false;
    }
    if (::mkdir(folder.c_str(), 0777) != 0) {
        prompt.ShowError(Sys::WithSystemReason("Unable to create the project folder", errno));
        return false;
    }
    SetFile(folder + "/" + name + ".rwk", folder);
    if (withSamples && !AddSamples(prompt)) return false;
    Sys::Result saveResult = Save();
    NotifyRepaint();
    if (saveResult.failed()) {
        prompt.ShowError(saveResult.message());
        return false;
    }
    return true;
}

bool Document::SelectedRange(int& first, int& last) const {
    const int rows = static_cast<int>(objects.size());
    if (first_ < 0 || last_ < 0 || first_ >= rows) return false;
    first = first_;
    last = std::min(last_, rows - 1);
    return first <= last;
}

void Document::Select(int first, int last) {
    if (first == first_ && last == last_) return;
    first_ = first;
    last_ = last;
    if (listener_) listener_->SelectionChanged();
    NotifyRepaint();
}

void Document::SelectRows(const std::vector<size_t>& rows) {
    if (rows.empty()) return;
    const bool together = rows.back() - rows.front() + 1 == rows.size();
    const int first = int(rows.front());
    Select(first, together ? int(rows.back()) : first);
}

void Document::ClearSelection() {
    if (first_ == -1 && last_ == -1) return;
    Select(-1, -1);
}

void Document::MakeUndoPoint() {
    saved_ = false;
    history_.MakePoint(objects);
}

bool Document::Restore(bool undo) {
    const int oldRows = static_cast<int>(objects.size());
    if (!(undo ? history_.Undo(objects) : history_.Redo(objects))) return false;
    saved_ = false;
    if (first_ >= 0 && first_ < oldRows) {
        if (first_ < static_cast<int>(objects.size())) {
            Select(first_, first_);
        } else {
            ClearSelection();
        }
    }
    NotifyRepaint();
    return true;
}

bool Document::Undo() {
    return Restore(true);
}

bool Document::Redo() {
    return Restore(false);
}

void Document::NotifyObjectsChanged() {
    if (listener_) listener_->ObjectsChanged();
}

void Document::NotifyRepaint() {
    if (listener_) listener_->Repaint();
}

int Document::HorizontalExtent(int fontHeight) const {
    uint32_t latest = 0;
    for (const MovieObject& o : objects) latest = std::max(latest, o.end);
    return 30 * fontHeight + static_cast<int>(uint64_t(latest) * 4 / 1000);
}
