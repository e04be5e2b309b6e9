#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Sys {

// A byte source for little-endian serialization; values are assembled byte by byte.
// A read fails when fewer bytes remain than it needs.
class IReader {
public:
    virtual ~IReader() = default;

    virtual bool Read(void* buffer, size_t count) = 0;
    // Bytes still unread; lets callers bound counts before allocating.
    virtual uint64_t Remaining() const = 0;

    bool ReadU8(uint8_t& v) { return Read(&v, 1); }
    bool ReadI8(int8_t& v);
    bool ReadU16(uint16_t& v);
    bool ReadI16(int16_t& v);
    bool ReadU32(uint32_t& v);
    bool ReadI32(int32_t& v);
    bool ReadBool(bool& v);  // any byte other than 0 is true
    // A string longer than what remains fails before anything is allocated.
    bool ReadString(std::u16string& s);
};

}  // namespace Sys
