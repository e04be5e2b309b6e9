#pragma once

#include <cstdint>
#include <span>

namespace Sys {

// Binary resources compiled into the programs, by number:
// 302 the sample picture (JPG), 303 the sample sound (WAVE).
// An unknown number gives an empty span.
std::span<const uint8_t> FindResource(int id);

}  // namespace Sys
