#pragma once

#include <cstdint>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "render/PreparedObject.h"

// Draws a non-video object into frame f of a movie at fps frames per second, the frame being
// the movie's size: nothing unless the object is visual and shown at the frame's instant;
// otherwise its prepared picture, animated to the local time. Returns the draw's error text.
Sys::Result DrawObjectAtFrame(const MovieObject& object, const PreparedObject& prepared,
                              uint32_t frame, uint8_t fps, CG::DIBitmap& target);
