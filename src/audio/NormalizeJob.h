#pragma once

#include "audio/AudioToolJob.h"

// Normalize Volume: levels a 16-bit file into "<input>_norm.wav" beside it, an older one
// deleted first.
class NormalizeJob : public AudioToolJob {
public:
    static constexpr const char* kCaption = "Normalize Volume";

    // Refusals under kCaption, except a path that cannot be split, under "CreateMovie".
    ToolMessage Plan(const std::string& input);

private:
    Sys::Result Work(Mt::Task& task) const override;
};
