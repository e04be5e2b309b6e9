#pragma once

#include <cmath>
#include <cstdint>

#include "panelwick/CG/Blend.h"
#include "render/DrawSetup.h"

// The per-pixel rule in plain C++: sampling, colour adjustment and the blend into a frame
// pixel. The SIMD kernels compute exactly the same operations, in the same order and the same
// precision, eight pixels at a time.

// Picture pixel (x, y), or white with alpha 0 outside the picture so that edges fade out.
inline const uint8_t* PictureTexel(const DrawSetup& s, int32_t x, int32_t y) {
    static const uint8_t kOutside[4] = {255, 255, 255, 0};
    if (x < 0 || y < 0 || uint32_t(x) >= s.pictureWidth || uint32_t(y) >= s.pictureHeight) {
        return kOutside;
    }
    return s.picture + (size_t(y) * s.pictureWidth + size_t(x)) * 4;
}

// Saturation, then contrast and brightness, on one colour (red, green, blue).
inline void AdjustColour(const DrawSetup& s, int32_t rgb[3]) {
    const int32_t luminance = (299 * rgb[0] + 587 * rgb[1] + 114 * rgb[2] + 500) / 1000;
    for (int c = 0; c < 3; ++c) {
        const int32_t c1 = rgb[c] + ((rgb[c] - luminance) * (2 * s.saturation - 254) + 127) / 254;
        const float product = (float(c1) - 127.5f) * s.contrastFactor;
        const int32_t c2 = int32_t(double(product) + 127.5 + double(s.brightness - 127));
        rgb[c] = c2 < 0 ? 0 : (c2 > 255 ? 255 : c2);
    }
}

// Draws the picture's sample for one frame pixel (blue, green, red), dx and dy being the
// pixel's offset from the centre.
inline void DrawPixel(const DrawSetup& s, float dx, float dy, uint8_t* bgr) {
    const float u = (dx * s.cz - dy * s.sz) * s.ku + s.halfWidth;
    const float v = (dy * s.cz + dx * s.sz) * s.kv + s.halfHeight;
    if (!(u > -1.0f && u < s.limitU && v > -1.0f && v < s.limitV)) return;
    const float fu = std::floor(u), fv = std::floor(v);
    const int32_t x0 = int32_t(fu), y0 = int32_t(fv);
    const uint32_t fx = uint32_t((u - fu) * 255.0f), fy = uint32_t((v - fv) * 255.0f);
    const uint8_t* p00 = PictureTexel(s, x0, y0);
    const uint8_t* p10 = PictureTexel(s, x0 + 1, y0);
    const uint8_t* p01 = PictureTexel(s, x0, y0 + 1);
    const uint8_t* p11 = PictureTexel(s, x0 + 1, y0 + 1);
    uint8_t sample[4];
    for (int c = 0; c < 4; ++c) {
        const uint8_t top = CG::Mix(p10[c], p00[c], fx);
        const uint8_t bottom = CG::Mix(p11[c], p01[c], fx);
        sample[c] = CG::Mix(bottom, top, fy);
    }
    int32_t rgb[3] = {sample[0], sample[1], sample[2]};
    if (s.adjust) AdjustColour(s, rgb);
    const uint32_t f = CG::Scale(s.transparency, sample[3]);
    if (f == 0) return;
    bgr[0] = CG::Mix(uint32_t(rgb[2]), bgr[0], f);
    bgr[1] = CG::Mix(uint32_t(rgb[1]), bgr[1], f);
    bgr[2] = CG::Mix(uint32_t(rgb[0]), bgr[2], f);
}
