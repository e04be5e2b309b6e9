#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

// Rounding the colour converter's six 8 x 8 blocks of one whole macroblock (four luminance
// blocks, then Cb and Cr, each value centred on 0) into the bytes of the Y, Cb and Cr planes:
// floor(value + 128.5), clamped to 0..255. The AVX2 store gives the same bytes as the plain
// one, eight values at a time.
struct PlaneRows {
    uint8_t* luma;      // the macroblock's top-left luminance byte
    size_t lumaStride;  // bytes from one luminance row to the next
    uint8_t* cb;        // its top-left Cb byte; Cr at the same place in its plane
    uint8_t* cr;
    size_t chromaStride;
};

using MacroblockStore = void (*)(const float* blocks, const PlaneRows& rows);

void StoreMacroblockPlain(const float* blocks, const PlaneRows& rows);
// Only when the processor has AVX2.
void StoreMacroblockAvx2(const float* blocks, const PlaneRows& rows);

// One value's byte, as the stores round it.
inline uint8_t PlaneByte(float centred) {
    return uint8_t(std::clamp(int(std::floor(centred + 128.5f)), 0, 255));
}
