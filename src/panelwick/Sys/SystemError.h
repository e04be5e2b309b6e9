#pragma once

#include <string>

namespace Sys {

// A failure text followed, on its own line, by the system's description of an error number
// (errno), such as "No space left on device". An error number of 0 adds nothing.
std::string WithSystemReason(const std::string& text, int error);

}  // namespace Sys
