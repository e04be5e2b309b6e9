#pragma once

#include "audio/AudioToolJob.h"

// Smooth Audio Ends: fades a file in and out into "<input>_smooth.wav" beside it, an older one
// deleted first.
class SmoothEndsJob : public AudioToolJob {
public:
    static constexpr const char* kCaption = "Reelwork";

    ToolMessage Plan(const std::string& input);

private:
    Sys::Result Work(Mt::Task& task) const override;
};
