#pragma once

#include <cstdint>

// Everything the per-pixel rule needs for one picture drawn into one frame, worked out once
// per draw. A frame pixel (X, Y) maps into the picture at
//   u = ((X - centreX) cz - (Y - centreY) sz) ku + halfWidth
//   v = ((Y - centreY) cz + (X - centreX) sz) kv + halfHeight
// in single precision, and is drawn when -1 < u < limitU and -1 < v < limitV.
struct DrawSetup {
    const uint8_t* picture = nullptr;  // RGBA rows, pictureWidth x pictureHeight
    uint32_t pictureWidth = 0;
    uint32_t pictureHeight = 0;
    float centreX = 0, centreY = 0;
    float cz = 1, sz = 0;  // cosine and sine of the rotation about Z
    float ku = 1, kv = 1;  // picture pixels per frame pixel, narrowed by the X and Y rotations
    float halfWidth = 0, halfHeight = 0;  // pictureWidth x 0.5, pictureHeight x 0.5
    float limitU = 0, limitV = 0;         // pictureWidth, pictureHeight
    // Colour adjustment, skipped when saturation, brightness and contrast are all neutral.
    bool adjust = false;
    float contrastFactor = 1;
    int32_t brightness = 127;
    int32_t saturation = 127;
    uint32_t transparency = 255;
};
