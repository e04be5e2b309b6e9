#pragma once

#include <string>

#include "project/MovieObject.h"

namespace Cli {

// One object as `info` lists it: its row number, type, time span as the timeline shows it
// and its name, with a line break.
std::string ObjectLine(int row, const MovieObject& object);

}  // namespace Cli
