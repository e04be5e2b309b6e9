#pragma once

#include <string>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "panelwick/Sys/Result.h"
#include "video/JpgSeries.h"

// Builds the encoder job that joins a sound with a video or a JPG series into one MP4 file.
class CombineJob {
public:
    struct Settings {
        std::string audioPath, videoPath, outputPath;
        int quality = 95;
        int fps = 30;
        bool jpgSeries = false;
    };

    // Checks the settings, deletes an old output and builds the command line and the folder
    // to run it in. On failure the message, and caption() its message box caption. Without an
    // encoder folder the encoder is looked for once the checks pass (its message under the
    // program's caption).
    Sys::Result Build(const Settings& settings, const std::string& encoderFolder = {});
    // After a build: runs the encoder and checks that it wrote the output.
    Mt::TaskResult Run(Mt::Task& task) const;

    const std::string& commandLine() const { return commandLine_; }
    const std::string& folder() const { return folder_; }
    const std::string& caption() const { return caption_; }

private:
    Sys::Result Refuse(const char* caption, std::string message);
    void ComposeCommandLine(const Settings& s, const JpgSeries& series, const CG::ImageRGBA& first,
                            const std::string& encoder);

    std::string commandLine_, folder_, caption_, output_;
};
