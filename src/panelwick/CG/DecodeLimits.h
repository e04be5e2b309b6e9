#pragma once

#include <cstdint>

namespace CG {

// A picture whose stated size its file could not fill is refused before anything is allocated.
// Up to 2^24 pixels are always accepted; larger pictures need one byte of input per 16384
// pixels, more than any real compressed picture gets by with.
inline bool PlausiblePixelCount(uint64_t width, uint64_t height, uint64_t inputBytes) {
    const uint64_t pixels = width * height;
    return pixels <= (uint64_t(1) << 24) || pixels / 16384 <= inputBytes;
}

}  // namespace CG
