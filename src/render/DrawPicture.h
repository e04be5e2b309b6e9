#pragma once

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/Result.h"
#include "render/FrameTransform.h"
#include "render/RowKernel.h"

// Draws a picture into a movie frame (24 bits, top-down, positive size) with a placement:
// every frame pixel is mapped back into the picture through the centre, the drawn size and the
// rotations (about Y and X they narrow the picture, a negative cosine mirrors it; angles below
// 0 count as 0 and above 360 as 360), sampled bilinearly, adjusted for saturation, contrast and
// brightness, and blended with the transparency and the picture's alpha. Frame pixels the
// picture cannot reach are skipped without changing the result.
// Fails, leaving the frame untouched, with "The destination bitmap must have 24 bits per
// pixel", "... must not be inverted", "... must have a height greater than zero" or "... must
// have a width greater than zero", checked in that order.
Sys::Result DrawPicture(const CG::ImageRGBA& picture, CG::DIBitmap& frame,
                        const FrameTransform& transform, DrawPath path = DrawPath::Automatic);

// The contrast factor 259 (C + 128) / (255 (386 - C)) in single precision; 1 for C = 127.
float ContrastFactor(uint8_t contrast);
