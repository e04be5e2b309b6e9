#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "panelwick/Sys/Result.h"

// Import Video: a video file becomes a frame folder of the project, named after the file: the
// encoder extracts its pictures at 25 per second, then video.bin gets one entry per picture.
class VideoImportJob {
public:
    // Names the frame folder: "Error in file name" for a path shorter than 4 characters,
    // "Missing file: " and the path when the video does not exist.
    Sys::Result Plan(const std::string& projectFolder, const std::string& video);
    // The frame folder exists already: the video was imported before, and importing it again
    // replaces its pictures. Front ends ask before they run.
    // After a plan: names the frame folder `name` instead of the name taken from the file.
    void UseFolderName(const std::string& name);
    bool importedBefore() const { return importedBefore_; }
    const std::string& folder() const { return folder_; }

    // Creates or empties the frame folder, finds the encoder, extracts the pictures and writes
    // video.bin. Fails when the encoder fails or writes no picture.
    Mt::TaskResult Run(Mt::Task& task);

    size_t pictures() const { return pictures_; }
    // The clip's length in milliseconds by its video.bin.
    uint32_t lengthMs() const { return lengthMs_; }

private:
    std::string projectFolder_, video_, name_, folder_;
    bool importedBefore_ = false;
    size_t pictures_ = 0;
    uint32_t lengthMs_ = 0;
};
