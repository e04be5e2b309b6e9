#pragma once

#include <cstring>
#include <string_view>

#include "panelwick/Sys/IReader.h"

namespace Sys {

// Reads serialized values out of a byte string that outlives the reader.
class BufferReader : public IReader {
public:
    explicit BufferReader(std::string_view data) : data_(data) {}

    bool Read(void* buffer, size_t count) override {
        if (count > data_.size()) return false;
        std::memcpy(buffer, data_.data(), count);
        data_.remove_prefix(count);
        return true;
    }
    uint64_t Remaining() const override { return data_.size(); }

private:
    std::string_view data_;
};

}  // namespace Sys
