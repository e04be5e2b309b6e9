#include "video/VideoImport.h"

#include <sys/stat.h>

#include <cstdio>

#include "panelwick/Sys/FileSystem.h"

namespace VideoImport {

bool FolderName(const std::string& videoPath, std::string& name) {
    if (!Sys::FileTitle(videoPath, name)) return false;
    for (char& c : name) {
        const bool letterOrDigit =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) c = '_';
    }
    return true;
}

Sys::Result PrepareFolder(const std::string& folder) {
    if (!Sys::FolderExists(folder)) {
        if (::mkdir(folder.c_str(), 0777) != 0) return "Unable to create the folder for the video";
    } else if (!Sys::EmptyFolder(folder)) {
        return "Unable to empty the folder for the video";
    }
    return {};
}

std::string CommandLine(const std::string& encoderFolder, const std::string& videoPath,
                        const std::string& projectFolder, const std::string& name) {
    char rate[64];
    std::snprintf(rate, sizeof rate, " -r %d -qscale:v 2 ", 25);
    return "\"" + encoderFolder + "/ffmpeg\" -i \"" + videoPath + "\"" + rate + "\"" +
           projectFolder + "/" + name + "/%08d.jpg";
}

}  // namespace VideoImport
