#pragma once

#include <cstdint>
#include <span>

#include "panelwick/Sys/Result.h"

namespace CG {

class ImageRGBA;

// Decodes a JPG file held in memory through TurboJPEG into opaque RGBA. Grey pictures become
// grey RGB; CMYK and YCCK pictures (stored inverted, as Adobe writes them) become
// red = C x K / 255 and so on. A picture with a recoverable flaw (data ending early) is kept.
class JpegDecoder {
public:
    static Sys::Result Decode(std::span<const uint8_t> file, ImageRGBA& image);
};

}  // namespace CG
