#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The length of an MP4 movie as its movie header gives it, for a file written to its end: the
// top-level boxes must fill the file exactly and one of them must be the movie box with its
// header. A file cut short, an empty one or one that is no MP4 has no length (0). Reads only
// box headers and the movie header, whatever the file's size.
namespace Mp4Length {

// Reads `count` bytes at `offset` into `out`; false when it cannot.
using ReadAt = std::function<bool(uint64_t offset, void* out, size_t count)>;

double Seconds(uint64_t fileSize, const ReadAt& read);
double FileSeconds(const std::string& path);

}  // namespace Mp4Length
