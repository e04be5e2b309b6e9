#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

namespace Sys {

// A growable in-memory byte channel. Writing appends and resets the read position; the
// capacity starts at 1024 bytes and doubles until the data fits.
class Buffer {
public:
    static constexpr size_t kFailed = SIZE_MAX;

    size_t Write(const void* bytes, size_t count);
    size_t Read(void* buffer, size_t count);
    // Makes room for at least this many bytes without changing the contents.
    bool Reserve(size_t capacity);
    void Clear() { size_ = position_ = 0; }
    // Creates or replaces the file and writes the contents in pieces of at most 1024 bytes.
    bool SaveToFile(const std::filesystem::path& path) const;

    const uint8_t* data() const { return data_.get(); }
    size_t size() const { return size_; }
    size_t capacity() const { return capacity_; }

private:
    bool Grow(size_t needed);

    std::unique_ptr<uint8_t[]> data_;
    size_t capacity_ = 0, size_ = 0, position_ = 0;
};

}  // namespace Sys
