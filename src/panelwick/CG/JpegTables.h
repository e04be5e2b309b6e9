#pragma once

#include <cstdint>

namespace CG::JpegTables {

// Natural position of each coefficient in zigzag order.
inline constexpr uint8_t kZigzag[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
// Quantization bases for quality 50, luminance and chrominance, in natural order.
extern const uint8_t kLuminanceBase[64];
extern const uint8_t kChrominanceBase[64];

// A Huffman table as stored in a DHT segment: 16 code counts (codes of 1 to 16 bits), then the
// symbols in code order.
struct HuffmanSpec {
    const uint8_t* counts;
    const uint8_t* symbols;
    int symbolCount;
};
extern const HuffmanSpec kDcLuminance, kAcLuminance, kDcChrominance, kAcChrominance;

// The base table scaled by quality (1..100) in zigzag order, as written to the file:
// clamp((base x scale + 50) / 100, 1, 255), scale = 5000 / quality below 50, else 200 - 2 x quality.
void ScaleQuantTable(const uint8_t* base, int quality, uint8_t* zigzagOut);
// Multipliers that undo the scale of the unscaled float DCT and divide by the quantizer, in
// natural order: 1 / (s(row) x 8 x s(column)) / table byte, s(0) = 1, s(k) = sqrt(2) cos(k pi / 16).
void ScaleDivisors(const uint8_t* zigzagTable, float* divisors);

}  // namespace CG::JpegTables
