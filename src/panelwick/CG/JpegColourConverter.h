#pragma once

#include <cstddef>
#include <cstdint>

// Colour conversion and chroma downsampling, single precision:
//   Y  = 0.299 R + 0.587 G + 0.114 B - 128 per pixel,
//   Cb = (-0.168736 R - 0.331264 G + 0.5 B) x 0.25 and Cr = (0.5 R - 0.418688 G - 0.081312 B)
//   x 0.25 on the sums of each 2 x 2 group of pixels (already centred on 0).
// Pixels are 3 bytes, red first, or blue first when `bgr` is set; `step` is the byte distance
// from one row to the next (negative for bottom-up storage).
namespace CG::JpegColourConverter {

// 16 x 16 pixels into six blocks of 64 floats in natural order: Y top-left, top-right,
// bottom-left, bottom-right, then Cb, then Cr.
void ConvertMacroblock(const uint8_t* topLeft, ptrdiff_t step, bool bgr, float* blocks);
void ConvertMacroblockAvx2(const uint8_t* topLeft, ptrdiff_t step, bool bgr, float* blocks);

// 8 x 8 pixels into one Y block (grey pictures).
void ConvertGreyBlock(const uint8_t* topLeft, ptrdiff_t step, bool bgr, float* block);

}  // namespace CG::JpegColourConverter
