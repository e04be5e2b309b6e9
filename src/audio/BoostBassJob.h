#pragma once

#include "audio/AudioToolJob.h"

// Boost Bass: passes a 16-bit file through the low shelf at `frequency` Hz with gainDb into
// "<input>_bass.wav" beside it, an older one deleted first.
class BoostBassJob : public AudioToolJob {
public:
    static constexpr const char* kCaption = "Boost bass";

    ToolMessage Plan(const std::string& input, double frequency, double gainDb);

private:
    Sys::Result Work(Mt::Task& task) const override;

    double frequency_ = 0, gainDb_ = 0;
};
