#pragma once

#include <cstdint>
#include <vector>

#include "project/MovieFrameCount.h"
#include "project/MovieObject.h"

// The time arithmetic of a movie: when each frame is, which objects it shows, and which
// frames each rendering worker takes. How many frames it has is MovieFrameCount's, which the
// soundtrack shares.

// Frame f is at f / fps seconds, and at that instant truncated to whole milliseconds.
struct FrameInstant {
    double seconds = 0;
    uint32_t milliseconds = 0;
};
FrameInstant InstantOfFrame(uint32_t frame, uint8_t fps);

// A visual object shows at an instant m when begin <= m <= end.
bool IsShownAt(const MovieObject& object, uint32_t milliseconds);
// Seconds since the object's begin at an instant of the movie.
double LocalTime(const MovieObject& object, double seconds);

// Frames first .. first + count - 1.
struct FrameRange {
    uint32_t first = 0;
    uint32_t count = 0;
};
// Worker i of n takes one contiguous block of the N frames; the first N mod n workers take one
// frame more than the rest.
FrameRange WorkerBlock(uint32_t worker, uint32_t workers, uint32_t frames);

// Window mode renders only the frames from first to last inclusive, numbering their files
// from 1: first = fps x windowBegin / 1000, last = windowEnd x fps / 1000 (32-bit integers).
struct FrameWindow {
    uint32_t first = 0;
    uint32_t last = 0;
};
FrameWindow WindowFrames(uint8_t fps, uint32_t windowBegin, uint32_t windowEnd);
