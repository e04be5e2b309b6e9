#pragma once

#include <cstdint>
#include <span>

#include "panelwick/Sys/Result.h"

namespace CG {

class ImageRGBA;

// Decodes a picture held in memory by what its first bytes say it is (PNG, JPG, BMP or GIF),
// whatever the file's name, into RGBA: alpha as stored for PNG, BMP bit fields with an alpha
// mask and GIF transparency, 255 otherwise. Failures give the imaging texts: "Error reading the
// file" for a file it cannot read, "Out of memory" for a picture it cannot size,
// "bitmapFrameDecode.CopyPixels" for pixels it cannot decode; a GIF gives the GIF decoder's own
// texts.
class ImageDecoder {
public:
    static Sys::Result Decode(std::span<const uint8_t> file, ImageRGBA& image);
    // True when the first bytes of a file (8 are enough) start a picture Decode knows.
    static bool Recognises(std::span<const uint8_t> head);
};

}  // namespace CG
