#include "panelwick/CG/ComposeOver.h"

#include <algorithm>

#include "panelwick/CG/ImageRGBA.h"

namespace CG {
namespace {

void ComposePixel(const uint8_t* s, uint8_t* d) {
    if (s[3] >= 255) {
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
        d[3] = s[3];
        return;
    }
    if (s[3] == 0 && d[3] == 0) return;
    const float as = float(s[3]) / 255.0f;
    const float ad = float(d[3]) / 255.0f;
    const float out = std::clamp(1.0f - (1.0f - ad) * (1.0f - as), 0.0f, 1.0f);
    if (out > 0) {
        d[3] = uint8_t(out * 255.0f);
        for (int c = 0; c < 3; ++c) {
            d[c] = uint8_t((float(d[c]) * ad * (1.0f - as) + float(s[c]) * as) / out);
        }
    } else {
        d[0] = d[1] = d[2] = 127;
        d[3] = 0;
    }
}

}  // namespace

void ComposeOver(const ImageRGBA& source, int32_t x, int32_t y, ImageRGBA& destination) {
    const int64_t sw = source.width(), sh = source.height();
    const int64_t dw = destination.width(), dh = destination.height();
    const int64_t rowBegin = std::max<int64_t>(0, -int64_t(y));
    const int64_t rowEnd = std::min<int64_t>(sh, dh - y);
    const int64_t colBegin = std::max<int64_t>(0, -int64_t(x));
    const int64_t colEnd = std::min<int64_t>(sw, dw - x);
    for (int64_t row = rowBegin; row < rowEnd; ++row) {
        const uint8_t* s = source.Row(uint32_t(row)) + colBegin * 4;
        uint8_t* d = destination.Row(uint32_t(row + y)) + (colBegin + x) * 4;
        for (int64_t col = colBegin; col < colEnd; ++col, s += 4, d += 4) ComposePixel(s, d);
    }
}

}  // namespace CG
