#include "video/MediaKind.h"

#include <filesystem>

#include "panelwick/Sys/FileSystem.h"

MediaKind KindOfMedia(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    if (ext.size() < 2) return MediaKind::Other;
    ext = Sys::ToLowerAscii(ext.substr(1));
    for (const char* e : {"jpg", "jpeg", "png", "gif", "bmp"}) {
        if (ext == e) return MediaKind::Picture;
    }
    if (ext == "wav") return MediaKind::Wave;
    for (const char* e : {"mp3", "ogg", "flac", "m4a"}) {
        if (ext == e) return MediaKind::Sound;
    }
    for (const char* e : {"mp4", "avi", "mkv", "mov", "webm"}) {
        if (ext == e) return MediaKind::Video;
    }
    return MediaKind::Other;
}
