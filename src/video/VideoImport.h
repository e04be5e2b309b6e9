#pragma once

#include <string>

#include "panelwick/Sys/Result.h"

// Turning a video file into a frame folder of the project: the encoder extracts its pictures at
// 25 per second into a folder named after the file, then video.bin gets one entry per picture.
namespace VideoImport {

// The frame folder's name for a video: its title with every character other than an ASCII
// letter or digit replaced by '_' ("My Clip (2).mp4" gives "My_Clip__2_"). False for paths
// shorter than 4 characters.
bool FolderName(const std::string& videoPath, std::string& name);

// Creates the folder, or empties it when it exists, with the import's messages.
Sys::Result PrepareFolder(const std::string& folder);

// "<encoder>/ffmpeg" -i "<video>" -r 25 -qscale:v 2 "<project>/<name>/%08d.jpg
// (the closing quote is missing; the command line splitter runs the last argument to the end).
std::string CommandLine(const std::string& encoderFolder, const std::string& videoPath,
                        const std::string& projectFolder, const std::string& name);

inline constexpr const char* kCaption = "Import Video";
inline constexpr const char* kAskAgain =
    "This video has been previously imported. Do you want to import this video again?";

}  // namespace VideoImport
