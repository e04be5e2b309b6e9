#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Sys {

// The times of a frame folder's pictures, loaded from its video.bin: a headerless array of
// unsigned 32-bit little-endian milliseconds, entry k belonging to picture k, never decreasing.
class FrameTimeTable {
public:
    // Loads project folder/folder name/video.bin. A file of 0 bytes gives an empty table; a
    // trailing partial entry is ignored. False (and an empty table) when the file cannot be
    // opened, its size taken, or a read fails.
    bool Load(const std::string& projectFolder, const std::string& folderName);
    bool LoadFile(const std::string& path);
    void Clear() { entries_.clear(); }

    // The frame number for a time in the video: the entry equal to it, else the first entry
    // greater than it, which is count() when every entry is smaller.
    uint32_t FrameFor(uint32_t milliseconds) const;

    size_t count() const { return entries_.size(); }
    const std::vector<uint32_t>& entries() const { return entries_; }

private:
    std::vector<uint32_t> entries_;
};

}  // namespace Sys
