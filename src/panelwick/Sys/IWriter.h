#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Sys {

// A byte sink for little-endian serialization. Strings are a 32-bit count of UTF-16 code
// units followed by the units.
class IWriter {
public:
    virtual ~IWriter() = default;

    virtual bool Write(const void* bytes, size_t count) = 0;

    bool WriteU8(uint8_t v) { return Write(&v, 1); }
    bool WriteI8(int8_t v) { return WriteU8(static_cast<uint8_t>(v)); }
    bool WriteU16(uint16_t v) {
        const uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
        return Write(b, 2);
    }
    bool WriteI16(int16_t v) { return WriteU16(static_cast<uint16_t>(v)); }
    bool WriteU32(uint32_t v) {
        const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        return Write(b, 4);
    }
    bool WriteI32(int32_t v) { return WriteU32(static_cast<uint32_t>(v)); }
    bool WriteString(const std::u16string& s);
};

}  // namespace Sys
