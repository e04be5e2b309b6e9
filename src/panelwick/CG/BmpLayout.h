#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace CG {

class DIBitmap;

// What the headers of a BMP file say about its pixels.
struct BmpLayout {
    static constexpr uint32_t kRle8 = 1;
    static constexpr uint32_t kRle4 = 2;
    static constexpr uint32_t kBitFields = 3;
    static constexpr uint32_t kAlphaBitFields = 6;

    uint32_t headerSize = 0;  // 12 for a core header
    int32_t width = 0;
    int32_t height = 0;  // positive
    bool bottomUp = true;
    uint16_t bitsPerPixel = 0;
    uint32_t compression = 0;
    uint32_t masks[4] = {};  // red, green, blue, alpha for 16- and 32-bit pixels
    size_t tableOffset = 0;
    uint32_t tableEntries = 0;
    size_t entrySize = 4;  // 3 in a core header's table

    // The colour table copied into an 8-bit bitmap created with tableEntries colours.
    void CopyColourTable(std::span<const uint8_t> file, DIBitmap& bitmap) const;
    // Rows of 1, 2 or 4 bits expanded to one index per byte.
    void ExpandPacked(const uint8_t* rows, DIBitmap& bitmap) const;
    // Bit fields with an alpha mask and 64-bit pixels carry alpha; other layouts are opaque.
    bool HasAlpha() const { return masks[3] != 0 || bitsPerPixel == 64; }
    // 16- or 32-bit pixels split by the masks into a 24-bit bitmap, or a 32-bit one with the
    // alpha field in each pixel's fourth byte when there is an alpha mask.
    void SplitByMasks(const uint8_t* rows, DIBitmap& bitmap) const;
    // 64-bit pixels (blue, green, red, alpha of 16 bits each, fixed point with 13 fraction bits,
    // colours in linear light) into a 32-bit bitmap: colours encoded as sRGB, alpha scaled.
    void NarrowWide(const uint8_t* rows, DIBitmap& bitmap) const;
    // Run-length encoded indices (RLE8 or RLE4) into an 8-bit bitmap; pixels the runs skip stay
    // index 0. Stops at the end-of-bitmap code, after the last row or when the data ends.
    void DecodeRunLengths(std::span<const uint8_t> data, DIBitmap& bitmap) const;
};

}  // namespace CG
