#pragma once

#include <string>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "panelwick/Sys/Result.h"

// The encoder jobs that convert one sound file into another beside it: MP3 or the sound of an
// MP4 to WAVE, and WAVE to MP3.
class MediaConversion {
public:
    enum class Kind { Mp3ToWave, Mp4ToWave, WaveToMp3 };

    // Plans the job for the chosen file: the input is rebuilt from the folder, the title and
    // the kind's lower-case extension (the chosen file itself when only its extension's case
    // differs and the rebuilt name does not exist); the output is the title with the other
    // extension. "Invalid filename" for paths shorter than 4 characters. The first form finds
    // the encoder ("ffmpeg cannot be found" when it cannot); the second is given its folder.
    Sys::Result Plan(Kind kind, const std::string& chosenPath);
    Sys::Result Plan(Kind kind, const std::string& chosenPath, const std::string& encoderFolder);
    // Any sound the encoder reads (or the sound of a video) to a WAVE file in the program's
    // format, 44100 Hz, 16-bit, stereo, written at `output`.
    void PlanProjectWave(const std::string& input, const std::string& output,
                         const std::string& encoderFolder);
    // After a plan: "Missing file: " and the input when it does not exist; otherwise deletes
    // an older output, so that a failed job leaves none, runs the encoder in its folder and
    // checks that it wrote the output.
    Mt::TaskResult Run(Mt::Task& task) const;

    const std::string& input() const { return input_; }
    const std::string& output() const { return output_; }
    const std::string& commandLine() const { return commandLine_; }

private:
    std::string input_, output_, commandLine_, encoderFolder_;
};
