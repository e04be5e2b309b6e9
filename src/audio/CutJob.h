#pragma once

#include "audio/AudioToolJob.h"

// Cut: copies the part of a file between two times (seconds) into "<input>_cut.wav" beside
// it, which the copy truncates when it exists.
class CutJob : public AudioToolJob {
public:
    static constexpr const char* kCaption = "AudioEdit";

    ToolMessage Plan(const std::string& input, double startSeconds, double endSeconds);

private:
    Sys::Result Work(Mt::Task& task) const override;

    double start_ = 0, end_ = 0;
};
