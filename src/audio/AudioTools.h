#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "panelwick/Sys/Result.h"

// The parts of the audio tools that need no window.

// Output suffixes written beside the input.
inline constexpr const char* kNormalizeSuffix = "_norm.wav";
inline constexpr const char* kBoostBassSuffix = "_bass.wav";
inline constexpr const char* kSmoothSuffix = "_smooth.wav";
inline constexpr const char* kCutSuffix = "_cut.wav";

// Folder of the input + "/" + its name without extension + suffix. Fails with "Unable to
// extract path" or "Unable to extract filename".
Sys::Result ToolOutputPath(std::string_view input, std::string_view suffix, std::string& output);

// The append tool's checks, in list order: every file opens (else its error text, a line
// break and its path) and has the first file's rate, channel count and bits.
Sys::Result CheckAppendInputs(const std::vector<std::string>& inputs);
