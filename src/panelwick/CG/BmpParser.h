#pragma once

#include <cstdint>
#include <span>

#include "panelwick/Sys/Result.h"

namespace CG {

class DIBitmap;

// Reads a BMP file held in memory into a DIBitmap. Uncompressed 8-, 24- and 32-bit pictures keep
// their stored header, colour table and rows. Every other layout is converted so that the
// result exports: 1-, 2- and 4-bit and run-length encoded pictures become 8-bit with the same
// colour table, 16-bit and bit-field pictures 24-bit, or 32-bit with their alpha when the bit
// fields have an alpha mask, 64-bit pictures 32-bit with alpha; rows keep their order.
class BmpParser {
public:
    static constexpr const char* kFileHeader = "CG::DIBitmap::Load unable to read BITMAPFILEHEADER";
    static constexpr const char* kNotBitmap = "CG::DIBitmap::Load the image is not a BITMAP";
    static constexpr const char* kInfoHeader = "CG::DIBitmap::Load unable to read BITMAPINFOHEADER";
    static constexpr const char* kColourMask = "CG::DIBitmap::Load unable to read Color Mask";
    static constexpr const char* kColourTable = "CG::DIBitmap::Load unable to read Color Table";
    static constexpr const char* kPixels = "CG::DIBitmap::Load unable to read pixels";

    static Sys::Result Parse(std::span<const uint8_t> file, DIBitmap& bitmap);
    // The same; alpha tells whether the fourth byte of each pixel is alpha. Stored 32-bit rows
    // keep whatever their file has there, which is not alpha.
    static Sys::Result Parse(std::span<const uint8_t> file, DIBitmap& bitmap, bool& alpha);
};

}  // namespace CG
