#pragma once

#include <string>

#include "panelwick/Sys/IWriter.h"

namespace Sys {

// Serializes into a growable byte string.
class BufferWriter : public IWriter {
public:
    bool Write(const void* bytes, size_t count) override {
        data_.append(static_cast<const char*>(bytes), count);
        return true;
    }
    const std::string& data() const { return data_; }
    std::string Take() { return std::move(data_); }

private:
    std::string data_;
};

}  // namespace Sys
