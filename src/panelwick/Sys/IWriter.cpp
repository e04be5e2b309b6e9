#include "panelwick/Sys/IWriter.h"

namespace Sys {

bool IWriter::WriteString(const std::u16string& s) {
    if (s.size() > UINT32_MAX || !WriteU32(static_cast<uint32_t>(s.size()))) return false;
    std::string bytes(s.size() * 2, '\0');
    for (size_t i = 0; i < s.size(); ++i) {
        bytes[2 * i] = static_cast<char>(s[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(s[i] >> 8);
    }
    return Write(bytes.data(), bytes.size());
}

}  // namespace Sys
