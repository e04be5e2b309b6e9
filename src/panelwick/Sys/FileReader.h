#pragma once

#include <filesystem>
#include <vector>

#include "panelwick/Sys/File.h"
#include "panelwick/Sys/IReader.h"

namespace Sys {

// A buffered, sequential file reader.
class FileReader : public IReader {
public:
    static constexpr size_t kDefaultCapacity = 65536;

    explicit FileReader(size_t capacity = kDefaultCapacity);

    bool Open(const std::filesystem::path& path);
    bool Read(void* buffer, size_t count) override;
    uint64_t Remaining() const override { return size_ - position_; }

private:
    bool Fill();

    File file_;
    std::vector<char> buffer_;
    size_t begin_ = 0, end_ = 0;  // unread part of the buffer
    uint64_t size_ = 0, position_ = 0;
};

}  // namespace Sys
