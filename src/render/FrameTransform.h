#pragma once

#include <cstdint>

// One object's placement at one instant, in frame pixels: the centre, the drawn width and
// height (negative values mirror), the rotations about the X, Y and Z axes in degrees, and the
// four bytes of transparency (255 opaque, 0 hidden), brightness, contrast and saturation (127
// neutral). Note the byte order: brightness comes before contrast here.
struct FrameTransform {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    float rotX = 0;
    float rotY = 0;
    float rotZ = 0;
    uint8_t transparency = 255;
    uint8_t brightness = 127;
    uint8_t contrast = 127;
    uint8_t saturation = 127;
};
