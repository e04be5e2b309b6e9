#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Sys {

// Splits a command line into arguments the way Windows programs split theirs: blanks and
// tabs separate arguments, double quotes group (and are removed), an unclosed quote runs to
// the end of the line, and a quoted empty string is an empty argument.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace Sys
