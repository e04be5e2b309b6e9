#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace CG {

// The GIF variant of LZW for a minimum code size of 8: clear code 256, end code 257, codes of
// 9 to 12 bits packed from the least significant bit, at most 4096 table entries. A full table
// stays in use until the next clear code.
class LzwDecoder {
public:
    // Decodes data into out, stopping at the end code, when out is full or when the data runs
    // out; pixels not reached keep their value. False when the code stream is broken (a code
    // beyond the table, or a first code after a clear that is not a colour).
    static bool Decode(std::span<const uint8_t> data, std::span<uint8_t> out);
};

}  // namespace CG
