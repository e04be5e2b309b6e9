#include "project/MovieFrameCount.h"

#include <algorithm>

uint32_t MovieFrameCount(const std::vector<MovieObject>& objects, uint8_t fps) {
    uint32_t end = 0;
    for (const MovieObject& o : objects) end = std::max(end, o.end);
    // At most 255 x (2^32 - 1) / 1000, which fits 32 bits.
    return uint32_t(uint64_t(fps) * end / 1000);
}
