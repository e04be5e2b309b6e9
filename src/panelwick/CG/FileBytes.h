#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace CG {

// A picture file read whole into memory.
class FileBytes {
public:
    // Files larger than this are not pictures we read.
    static constexpr uint64_t kMaxSize = uint64_t(1) << 30;

    // False when the file cannot be opened or read, or is too large.
    bool Read(const std::filesystem::path& path);
    std::span<const uint8_t> bytes() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t size_ = 0;
};

}  // namespace CG
