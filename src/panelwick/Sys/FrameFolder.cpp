#include "panelwick/Sys/FrameFolder.h"

#include <cstdio>
#include <filesystem>

#include "panelwick/Sys/File.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FileWriter.h"

namespace Sys {
namespace {

std::string FrameName(uint32_t frame) {
    char name[32];
    std::snprintf(name, sizeof name, "%08d.jpg", int(frame));
    return name;
}

bool CanOpen(const std::string& path) {
    File file;
    return file.Open(path, File::Mode::Read);
}

// The path of name in folder when some spelling of its "jpg" extension can be opened.
bool FindPicture(const std::string& folder, const std::string& name, std::string& found) {
    const std::string stem = folder + "/" + name.substr(0, name.size() - 3);
    for (int variant = 0; variant < 8; ++variant) {
        std::string path = stem + "jpg";
        for (int i = 0; i < 3; ++i) {
            if (variant & (1 << i)) path[path.size() - 3 + i] -= 'a' - 'A';
        }
        if (CanOpen(path)) {
            found = std::move(path);
            return true;
        }
    }
    return false;
}

}  // namespace

std::string FrameFolderPath(const std::string& projectFolder, const std::string& folderName) {
    return projectFolder + "/" + folderName;
}

std::string VideoBinPath(const std::string& projectFolder, const std::string& folderName) {
    return FrameFolderPath(projectFolder, folderName) + "/video.bin";
}

std::string FramePath(const std::string& projectFolder, const std::string& folderName,
                      uint32_t frame) {
    return FrameFolderPath(projectFolder, folderName) + "/" + FrameName(frame);
}

std::string FramePictureToOpen(const std::string& projectFolder, const std::string& folderName,
                               uint32_t frame) {
    const std::string folder = FrameFolderPath(projectFolder, folderName);
    std::string path;
    if (FindPicture(folder, FrameName(frame), path)) return path;
    if (FindPicture(folder, FrameName(1), path)) return path;
    return folder + "/" + FrameName(1);
}

uint32_t ReadVideoLength(const std::string& projectFolder, const std::string& folderName) {
    File file;
    if (!file.Open(VideoBinPath(projectFolder, folderName), File::Mode::Read)) return 0;
    const int64_t size = file.Size();
    if (size < 4 || !file.Seek(uint64_t(size - 4))) return 0;
    uint8_t b[4];
    if (!file.ReadAll(b, 4)) return 0;
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
           (uint32_t(b[3]) << 24);
}

bool PrepareFrameFolder(const std::string& frameFolder) {
    if (FolderExists(frameFolder)) {
        (void)EmptyFolder(frameFolder);
        return true;
    }
    std::error_code ec;
    return std::filesystem::create_directory(frameFolder, ec) && !ec;
}

Result WriteImportVideoBin(const std::string& frameFolder) {
    const size_t pictures = ListFilesWithExtension(frameFolder, ".jpg").size();
    FileWriter writer(65536);
    if (!writer.Open(frameFolder + "/video.bin")) return "Unable to create video.bin";
    for (int i = 0; i < int(pictures); ++i) {
        if (!writer.WriteU32(uint32_t(i * 1000.0 / 25.0))) return "Error writing video.bin";
    }
    if (!writer.Close()) return "Error writing video.bin";
    return {};
}

Result CreateEmptyRecordingFolder(const std::string& projectFolder, const std::string& folderName) {
    const std::string folder = FrameFolderPath(projectFolder, folderName);
    std::error_code ec;
    if (std::filesystem::exists(folder, ec)) return "A folder with that name already exists";
    if (!std::filesystem::create_directory(folder, ec) || ec) return "Unable to create folder";
    if (!WriteWholeFile(folder + "/video.bin", std::string_view("\0\0\0\0", 4))) {
        return "Unable to create file video.bin";
    }
    return {};
}

}  // namespace Sys
