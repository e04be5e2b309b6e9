#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The desktop program's "--at SECONDS" (or "--at=SECONDS"): where the playhead starts.
struct AtOption {
    int64_t ms = -1;    // -1 when not given
    std::string error;  // set when the value is missing or not a number of seconds >= 0
};

// Takes the option and its value out of the arguments (the program's name not among them).
AtOption TakeAtOption(std::vector<std::string>& args);
