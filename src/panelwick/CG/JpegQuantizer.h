#pragma once

#include <cstdint>

// Quantisation of one block of DCT outputs: each coefficient times its divisor, rounded half
// away from zero (0.5 added to non-negative values, subtracted otherwise, then truncated),
// written in zigzag order.
namespace CG::JpegQuantizer {

void Quantize(const float* block, const float* divisors, int16_t* zigzag);
void QuantizeAvx2(const float* block, const float* divisors, int16_t* zigzag);

}  // namespace CG::JpegQuantizer
