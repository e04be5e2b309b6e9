#pragma once

#include <cstdint>
#include <string>

#include "project/MovieObject.h"

// The objects an import makes of its files.
namespace ImportedObject {

// The largest equal scale (times 10000) at which a picture of w x h pixels fits inside the
// 1600 x 900 reference frame, at most kMaxScale so that the renderer's 32-bit products of scale
// and movie width cannot overflow (even after a 10 % zoom at 2560 pixels).
inline constexpr int32_t kMaxScale = 700000;
int32_t FitScale(uint32_t width, uint32_t height);

// An Image or Video object from `begin` for `length` ms, centred, fitted to the frame, the
// same state at begin and end.
MovieObject Visual(MovieObjectType type, const std::string& fileName, uint32_t width,
                   uint32_t height, uint32_t begin, uint32_t length);
// An Audio object from `begin` for `length` ms.
MovieObject Audio(const std::string& fileName, uint32_t begin, uint32_t length);

}  // namespace ImportedObject
