#pragma once

#include <vector>

#include "audio/AudioToolJob.h"

// Append: the sample data of the inputs one after another into the output, in the format of
// the first input.
class AppendJob : public AudioToolJob {
public:
    static constexpr const char* kCaption = "Append Audio";

    // Every input opens (else its error text, a line break and its path) and has the first
    // one's rate, channel count and bits, checked in list order; caption kCaption.
    ToolMessage Plan(const std::vector<std::string>& inputs, const std::string& output);

private:
    Sys::Result Work(Mt::Task& task) const override;

    std::vector<std::string> inputs_;
};
