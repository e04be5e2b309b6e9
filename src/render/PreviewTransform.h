#pragma once

#include <cstdint>

#include "project/ObjectState.h"
#include "render/FrameTransform.h"

// The placement the object editor's preview draws for one state of an object, without any
// animation: the state's centre and scale on a W x H frame (scale products with W and H as
// 32-bit integers, as in the movie), the picture's native size pictureWidth x pictureHeight,
// the rotations wrapped into -360..360 degrees and the state's four bytes.
FrameTransform PreviewTransform(const ObjectState& state, uint32_t pictureWidth,
                                uint32_t pictureHeight, int32_t width, int32_t height);
