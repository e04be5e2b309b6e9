#pragma once

#include <cstdint>
#include <span>

namespace Sys {

// Binary resources compiled into the programs, by number:
// 302 the sample picture (JPG), 303 the sample sound (WAVE), 304 the placeholder picture
// (300 x 300 24-bit BMP).
// An unknown number gives an empty span.
std::span<const uint8_t> FindResource(int id);

}  // namespace Sys
