#pragma once

#include <string>

#include "panelwick/Sys/Result.h"

namespace Cli {

// The checks of the one-file audio tools: the input must exist ("Please provide a valid
// file"); the output is named beside it with the suffix. With sixteenBits the input must
// also hold 16-bit samples, which the routines that compute on samples need.
Sys::Result PrepareToolInput(const std::string& input, const char* suffix, bool sixteenBits,
                             std::string& output);

}  // namespace Cli
