#include "panelwick/Sys/IReader.h"

#include <string>

namespace Sys {

bool IReader::ReadI8(int8_t& v) {
    uint8_t u;
    if (!ReadU8(u)) return false;
    v = static_cast<int8_t>(u);
    return true;
}

bool IReader::ReadU16(uint16_t& v) {
    uint8_t b[2];
    if (!Read(b, 2)) return false;
    v = static_cast<uint16_t>(b[0] | (b[1] << 8));
    return true;
}

bool IReader::ReadI16(int16_t& v) {
    uint16_t u;
    if (!ReadU16(u)) return false;
    v = static_cast<int16_t>(u);
    return true;
}

bool IReader::ReadU32(uint32_t& v) {
    uint8_t b[4];
    if (!Read(b, 4)) return false;
    v = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
    return true;
}

bool IReader::ReadI32(int32_t& v) {
    uint32_t u;
    if (!ReadU32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool IReader::ReadBool(bool& v) {
    uint8_t u;
    if (!ReadU8(u)) return false;
    v = u != 0;
    return true;
}

bool IReader::ReadString(std::u16string& s) {
    uint32_t count;
    if (!ReadU32(count)) return false;
    if (uint64_t(count) * 2 > Remaining()) return false;
    std::string bytes(size_t(count) * 2, '\0');
    if (!Read(bytes.data(), bytes.size())) return false;
    s.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        s[i] = static_cast<char16_t>(uint8_t(bytes[2 * i]) | (uint8_t(bytes[2 * i + 1]) << 8));
    }
    return true;
}

}  // namespace Sys
