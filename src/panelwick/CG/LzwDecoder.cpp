#include "panelwick/CG/LzwDecoder.h"

namespace CG {
namespace {

constexpr uint32_t kTableSize = 4096;

// The string table: each code is a shorter code (prefix) plus one byte (suffix).
struct Table {
    uint16_t prefix[kTableSize];
    uint8_t suffix[kTableSize];
    uint8_t first[kTableSize];
    uint16_t length[kTableSize];
};

// Writes the string of code at out[at...], clipped to the end of out; returns its length.
size_t Emit(const Table& t, uint32_t code, uint8_t* out, size_t at, size_t size) {
    const size_t length = t.length[code];
    size_t keep = length;
    if (at + length > size) {
        keep = size - at;
        for (size_t skip = length - keep; skip > 0; --skip) code = t.prefix[code];
    }
    uint8_t* d = out + at + keep;
    for (size_t i = 0; i < keep; ++i) {
        *--d = t.suffix[code];
        code = t.prefix[code];
    }
    return keep;
}

}  // namespace

bool LzwDecoder::Decode(std::span<const uint8_t> data, uint32_t minCodeSize,
                        std::span<uint8_t> out) {
    if (minCodeSize < kMinCodeSize || minCodeSize > kMaxCodeSize) return false;
    const uint32_t clear = 1u << minCodeSize, end = clear + 1, firstFree = clear + 2;
    Table t;
    for (uint32_t i = 0; i < clear; ++i) {
        t.prefix[i] = 0;
        t.suffix[i] = t.first[i] = uint8_t(i);
        t.length[i] = 1;
    }
    uint64_t bits = 0;
    uint32_t bitCount = 0, codeSize = minCodeSize + 1, next = firstFree;
    int32_t previous = -1;
    size_t in = 0, at = 0;
    while (at < out.size()) {
        while (bitCount < codeSize && in < data.size()) {
            bits |= uint64_t(data[in++]) << bitCount;
            bitCount += 8;
        }
        if (bitCount < codeSize) break;  // the data ran out before the end code
        const uint32_t code = uint32_t(bits) & ((1u << codeSize) - 1);
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = firstFree;
            previous = -1;
            continue;
        }
        if (code == end) break;
        if (previous < 0) {
            if (code >= clear) return false;
        } else {
            if (code > next) return false;
            if (next < kTableSize) {
                // For the code being defined right now the new string ends in its own first byte.
                t.prefix[next] = uint16_t(previous);
                t.suffix[next] = code < next ? t.first[code] : t.first[previous];
                t.first[next] = t.first[previous];
                t.length[next] = uint16_t(t.length[previous] + 1);
                ++next;
                if (next == (1u << codeSize) && codeSize < 12) ++codeSize;
            }
        }
        at += Emit(t, code, out.data(), at, out.size());
        previous = int32_t(code);
    }
    return true;
}

}  // namespace CG
