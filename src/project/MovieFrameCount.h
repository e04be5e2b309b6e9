#pragma once

#include <cstdint>
#include <vector>

#include "project/MovieObject.h"

// The number of frames of a movie at fps frames per second: N = fps x E / 1000 in 64-bit
// integer arithmetic, truncated, E being the latest end time of all objects in milliseconds
// (0 for none). The frames rendered and the soundtrack's length both follow from this count,
// so that they always agree: 8.2 s at 15 fps are 123 frames.
uint32_t MovieFrameCount(const std::vector<MovieObject>& objects, uint8_t fps);
