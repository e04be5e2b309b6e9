#pragma once

#include <cstdint>

#include "project/MovieObject.h"
#include "render/AnimationRates.h"
#include "render/FrameTransform.h"

// The animation of an object between its begin and end states on a W x H frame. Positions
// and sizes are in the 1600 x 900 reference frame times 10000 (p x W / 16e6 pixels across,
// p x H / 9e6 down); scale products with W and H are 32-bit integers, as they always were.

// The rates that bring the object from its begin state at its begin time to its end state at
// its end time, the centre moving with the object's constant acceleration on top. An object
// that has no duration keeps all rates 0.
AnimationRates ComputeRates(const MovieObject& object, int32_t width, int32_t height);

// The placement at local time u seconds after the object's begin; pictureWidth and
// pictureHeight are the native size of the object's prepared picture.
FrameTransform Animate(const MovieObject& object, const AnimationRates& rates,
                       uint32_t pictureWidth, uint32_t pictureHeight, int32_t width,
                       int32_t height, double u);

// A rotation brought into -360..360 degrees by whole turns (725 -> 5, -400 -> -40).
double WrapRotation(double degrees);
// A byte value clamped to 0..255 and rounded to the nearest integer, halves away from zero.
uint8_t AnimatedByte(double value);
// a x b as a 32-bit signed integer product, wrapping on overflow.
int32_t Product32(int32_t a, int32_t b);
