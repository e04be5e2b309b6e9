#pragma once

#include <cstdint>
#include <string>

#include "panelwick/Sys/Result.h"

// A frame folder is a sub-folder of the project folder holding a video as pictures named
// "%08d.jpg" and video.bin, the time of each picture (see FrameTimeTable).
namespace Sys {

// project folder/folder name
std::string FrameFolderPath(const std::string& projectFolder, const std::string& folderName);
// project folder/folder name/video.bin
std::string VideoBinPath(const std::string& projectFolder, const std::string& folderName);
// project folder/folder name/ and the frame number printed with "%08d.jpg".
std::string FramePath(const std::string& projectFolder, const std::string& folderName,
                      uint32_t frame);
// The picture to show for a frame number: its own when it can be opened for reading, else
// 00000001.jpg of the folder. The extension's case does not matter (00000007.JPG serves).
std::string FramePictureToOpen(const std::string& projectFolder, const std::string& folderName,
                               uint32_t frame);

// The last entry of video.bin: the video's length in milliseconds; 0 when the file cannot be
// opened or holds fewer than 4 bytes.
uint32_t ReadVideoLength(const std::string& projectFolder, const std::string& folderName);

// Creates the folder, or deletes everything in it when it exists (what cannot be deleted is
// left). False when it cannot be created.
bool PrepareFrameFolder(const std::string& frameFolder);

// video.bin of an imported video: one entry per *.jpg in the folder at 25 pictures per second,
// entry i = i x 1000.0 / 25.0 truncated (40 x i), written through a 65536-byte buffer.
Result WriteImportVideoBin(const std::string& frameFolder);

// A new, empty recording folder: the folder and video.bin of one entry 0.
Result CreateEmptyRecordingFolder(const std::string& projectFolder, const std::string& folderName);

}  // namespace Sys
