#pragma once

#include <cstdint>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "render/FrameTransform.h"

// The drawing rule written as plainly as it is stated, to check the fast renderer against:
// lookup tables built with the double-precision formulas, and every frame pixel visited.
namespace Reference {

// Mix[a][b][f] = floor((1 - f / 255) b + (f / 255) a + 0.5) and Scale[t][a] = t a / 255,
// built on first use.
uint8_t Mix(uint32_t a, uint32_t b, uint32_t f);
uint8_t Scale(uint32_t t, uint32_t a);

// Draws like DrawPicture, checks included; returns the error text or an empty string.
const char* DrawPicture(const CG::ImageRGBA& picture, CG::DIBitmap& frame,
                        const FrameTransform& transform);

}  // namespace Reference
