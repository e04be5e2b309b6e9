#pragma once

#include <string>

#include "panelwick/Sys/Result.h"

// The encoder jobs that convert one sound file into another beside it: MP3 or the sound of an
// MP4 to WAVE, and WAVE to MP3.
class MediaConversion {
public:
    enum class Kind { Mp3ToWave, Mp4ToWave, WaveToMp3 };

    // Plans the job for the chosen file: the input is rebuilt from the folder, the title and
    // the kind's lower-case extension (the chosen file itself when only its extension's case
    // differs and the rebuilt name does not exist); the output is the title with the other
    // extension. "Invalid filename" for paths shorter than 4 characters.
    Sys::Result Plan(Kind kind, const std::string& chosenPath, const std::string& encoderFolder);

    const std::string& input() const { return input_; }
    const std::string& output() const { return output_; }
    const std::string& commandLine() const { return commandLine_; }

private:
    std::string input_, output_, commandLine_;
};
