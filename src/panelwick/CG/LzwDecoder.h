#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace CG {

// The GIF variant of LZW for a minimum code size m of 2 to 8: colours 0 to 2^m - 1, clear code
// 2^m, end code 2^m + 1, codes of m + 1 to 12 bits packed from the least significant bit, at
// most 4096 table entries. A full table stays in use until the next clear code.
class LzwDecoder {
public:
    static constexpr uint32_t kMinCodeSize = 2;
    static constexpr uint32_t kMaxCodeSize = 8;

    // Decodes data into out, stopping at the end code, when out is full or when the data runs
    // out; pixels not reached keep their value. False when the code stream is broken (a code
    // beyond the table, or a first code after a clear that is not a colour) or the minimum
    // code size is outside 2..8.
    static bool Decode(std::span<const uint8_t> data, uint32_t minCodeSize, std::span<uint8_t> out);
};

}  // namespace CG
