#pragma once

#include <cstdint>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/Result.h"
#include "render/FrameScene.h"

// Composes frame f of the movie into target (a 24-bit top-down bitmap of the movie's size):
// the background colour, then every object shown at the frame's instant, in list order. Video
// objects load their picture for the instant into videoPicture. The first error text stops the
// frame and is returned.
Sys::Result ComposeFrame(const FrameScene& scene, uint32_t frame, CG::DIBitmap& target,
                         CG::ImageRGBA& videoPicture);
