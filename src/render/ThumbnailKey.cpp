#include "render/ThumbnailKey.h"

#include <sys/stat.h>

#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Sys/Utf.h"
#include "project/PageExportCache.h"

namespace ThumbnailKey {

// A path holds no NUL, so the first one ends it.
std::string OfFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    return path + '\0' + std::to_string(info.st_size) + ' ' + std::to_string(info.st_mtim.tv_sec) +
           '.' + std::to_string(info.st_mtim.tv_nsec);
}

std::string FileOf(const std::string& key) {
    return key.substr(0, key.find('\0'));
}

std::string OfObject(const MovieObject& object, const ProjectPaths& paths) {
    const std::string name = Sys::ToUtf8(object.fileName);
    if (name.empty()) return {};
    switch (object.type) {
        case MovieObjectType::Image:
            return OfFile(name.front() == '/' ? name : paths.folder() + "/" + name);
        case MovieObjectType::Video:
            return OfFile(Sys::FramePictureToOpen(paths.folder(), name, 1));
        case MovieObjectType::CorelDrawPage:
            return OfFile(PageExportCache().Path(paths.folder(), object).string());
        default:
            return {};
    }
}

}  // namespace ThumbnailKey
