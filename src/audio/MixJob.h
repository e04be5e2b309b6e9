#pragma once

#include "audio/AudioToolJob.h"

// Mix Audio Files: Input 1 (the voice) with Input 2 (the music) into the chosen output.
// "Auto Level" mixes the voice over repeating music whose weight falls while the voice is loud
// (the balance unused); otherwise "Loop" mixes voice and repeating music at voice percent
// 100 - balance; otherwise the two files mix at 100 - balance.
class MixJob : public AudioToolJob {
public:
    // The caption a failure of the mix is shown under.
    static constexpr const char* kCaption = "MixAudio";

    // Both inputs must exist ("Please provide a valid input file", caption "Invalid Input")
    // and an output must be named ("Please provide a valid output file", "Invalid Output").
    ToolMessage Plan(const std::string& voice, const std::string& music, const std::string& output,
                     int balance, bool loop, bool autoLevel);

private:
    Sys::Result Work(Mt::Task& task) const override;

    std::string music_;
    int balance_ = 50;
    bool loop_ = false, autoLevel_ = false;
};
