#pragma once

#include <cstdint>

namespace CG {

// The blend rules of the renderer, as exact integer arithmetic instead of lookup tables.
//
// Mix(a, b, f) moves b towards a by the fraction f / 255, rounded to the nearest integer: the
// value floor((1 - f / 255) x b + (f / 255) x a + 0.5) computed in double precision. That value
// is never exactly half-way between two integers (2 x (b (255 - f) + a f) is even, 255 times
// an odd number is odd), so the integer form below gives the same byte for every a, b and f;
// a test compares all 16,777,216 combinations.
inline uint8_t Mix(uint32_t a, uint32_t b, uint32_t f) {
    return uint8_t((b * (255 - f) + a * f + 127) / 255);
}

// Scale(t, a) = t x a / 255, truncated: the opacity of a picture pixel of alpha a drawn with
// transparency t.
inline uint8_t Scale(uint32_t t, uint32_t a) { return uint8_t(t * a / 255); }

// x / 255 truncated for 0 <= x < 65535, without a division (the form the SIMD code uses).
inline uint32_t Div255(uint32_t x) { return (x + 1 + (x >> 8)) >> 8; }

// The colour fraction t of the way from a to b (colours with red in the lowest byte, then
// green, then blue). t is clamped to 0..1; t = 0 gives a, t = 1 gives b, otherwise each
// channel is Mix(b, a, trunc(t x 255)). The top byte of the result is 0.
uint32_t Gradient(uint32_t a, uint32_t b, double t);

}  // namespace CG
