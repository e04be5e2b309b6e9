#include "project/ProjectRecovery.h"

#include <sys/stat.h>

#include "panelwick/Sys/FileSystem.h"
#include "project/Document.h"
#include "project/ProjectFile.h"

namespace {

bool ModifiedAt(const std::string& path, struct timespec& time) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    time = info.st_mtim;
    return true;
}

}  // namespace

std::string ProjectRecovery::AutosavePath(const std::string& projectFile) {
    std::string folder, name;
    if (!Sys::FolderOf(projectFile, folder) || !Sys::FileTitle(projectFile, name)) return {};
    return folder + "/." + name + "-autosave.rwk";
}

void ProjectRecovery::RemoveLeftovers(const std::string& projectFile) {
    Sys::DeleteFile(ProjectFile::TemporaryPath(projectFile));
    const std::string autosave = AutosavePath(projectFile);
    if (!autosave.empty()) Sys::DeleteFile(ProjectFile::TemporaryPath(autosave));
}

bool ProjectRecovery::AutosaveIsNewer(const std::string& projectFile, std::time_t& when) {
    struct timespec autosave {
    }, project{};
    if (!ModifiedAt(AutosavePath(projectFile), autosave)) return false;
    when = autosave.tv_sec;
    if (!ModifiedAt(projectFile, project)) return true;
    return autosave.tv_sec != project.tv_sec ? autosave.tv_sec > project.tv_sec
                                             : autosave.tv_nsec > project.tv_nsec;
}

void ProjectRecovery::Discard(const std::string& projectFile) {
    const std::string autosave = AutosavePath(projectFile);
    if (!autosave.empty()) Sys::DeleteFile(autosave);
}

Sys::Result ProjectRecovery::ReadAutosave(const Document& document, MovieProperties& properties,
                                          std::vector<MovieObject>& objects) {
    properties = document.properties;
    const std::string autosave = AutosavePath(document.file());
    if (Sys::Result r = ProjectFile::Load(autosave, properties, objects); r.failed()) {
        return "The autosave file " + autosave + " is damaged and was ignored:\n" + r.message();
    }
    return {};
}

Sys::Result ProjectRecovery::Recover(Document& document) {
    MovieProperties properties;
    std::vector<MovieObject> objects;
    if (Sys::Result r = ReadAutosave(document, properties, objects); r.failed()) return r;
    document.ReplaceContent(std::move(properties), std::move(objects));
    return {};
}
