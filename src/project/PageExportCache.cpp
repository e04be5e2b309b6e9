#include "project/PageExportCache.h"

#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "panelwick/Sys/Utf.h"
#include "project/UserCacheFolder.h"

namespace {

// The part of an entry's name shared by all versions of one drawing page: "<hash>-".
constexpr size_t kPageHashLength = 17;

}  // namespace

PageExportCache::PageExportCache() : folder_(UserCacheFolder("pages")) {}

std::filesystem::path PageExportCache::Path(const std::string& projectFolder,
                                            const MovieObject& object) const {
    if (folder_.empty() || object.fileName.empty()) return {};
    std::error_code error;
    const std::filesystem::path drawing =
        std::filesystem::absolute(projectFolder + "/" + Sys::ToUtf8(object.fileName), error)
            .lexically_normal();
    struct stat info {};
    if (error || ::stat(drawing.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    const std::string page = drawing.string() + '\0' + std::to_string(object.page);
    const std::string version = std::to_string(info.st_size) + ' ' +
                                std::to_string(info.st_mtim.tv_sec) + '.' +
                                std::to_string(info.st_mtim.tv_nsec);
    char name[48];
    std::snprintf(name, sizeof name, "%016zx-%016zx.png", std::hash<std::string>{}(page),
                  std::hash<std::string>{}(version));
    return folder_ / name;
}

// Copied beside the entry and renamed over it, so the timeline never reads half a picture.
void PageExportCache::Keep(const std::string& exportedPng, const std::string& projectFolder,
                           const MovieObject& object) const {
    const std::filesystem::path entry = Path(projectFolder, object);
    if (entry.empty()) return;
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    std::filesystem::path temporary = entry;
    temporary += ".part" + std::to_string(::getpid());
    std::filesystem::copy_file(exportedPng, temporary,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (!error) std::filesystem::rename(temporary, entry, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return;
    }
    DropOtherVersions(entry);
}

// Another process's copy still being written keeps its temporary name and is left alone.
void PageExportCache::DropOtherVersions(const std::filesystem::path& entry) const {
    const std::string kept = entry.filename().string();
    std::vector<std::filesystem::path> older;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& path = it->path();
        const std::string name = path.filename().string();
        if (name != kept && name.compare(0, kPageHashLength, kept, 0, kPageHashLength) == 0 &&
            path.extension() == ".png") {
            older.push_back(path);
        }
    }
    for (const std::filesystem::path& path : older) std::filesystem::remove(path, error);
}
