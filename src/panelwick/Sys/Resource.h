#pragma once

#include <cstdint>
#include <span>

namespace Sys {

// Binary resources compiled into the programs, by number:
// 302 the sample picture (JPG), 303 the sample sound (WAVE),
// 304 the picture shown for a vector-drawing page that could not be exported (a 300 x 300
// 24-bit BMP file).
// An unknown number gives an empty span.
std::span<const uint8_t> FindResource(int id);

}  // namespace Sys
