#pragma once

#include <cstdint>
#include <span>

#include "panelwick/Sys/Result.h"

namespace CG {

class ImageRGBA;

// Decodes a PNG file held in memory through libpng into RGBA: palette, grey and low-depth
// pictures expand to their colours, tRNS becomes alpha, 16-bit samples are scaled to 8 bits,
// pictures without alpha get 255. No gamma correction: pixels stay as stored.
class PngDecoder {
public:
    static Sys::Result Decode(std::span<const uint8_t> file, ImageRGBA& image);
};

}  // namespace CG
