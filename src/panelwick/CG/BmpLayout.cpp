#include "panelwick/CG/BmpLayout.h"

#include <array>
#include <bit>
#include <cmath>

#include "panelwick/CG/DIBitmap.h"

namespace CG {
namespace {

// One colour field of a bit mask, scaled to 0..255 with rounding, so that a full field is 255
// whatever its width. Fields of up to 8 bits go through a table of the same formula.
class Channel {
public:
    explicit Channel(uint32_t mask) {
        if (mask == 0) return;
        shift_ = uint32_t(std::countr_zero(mask));
        field_ = mask >> shift_;
        if (field_ <= 255) {
            for (uint32_t v = 0; v <= field_; ++v) scale_[v] = Scale(v);
        }
    }
    uint8_t operator()(uint32_t pixel) const {
        if (field_ == 0) return 0;
        const uint32_t v = (pixel >> shift_) & field_;
        return field_ <= 255 ? scale_[v] : Scale(v);
    }

private:
    uint8_t Scale(uint32_t v) const { return uint8_t((uint64_t(v) * 255 + field_ / 2) / field_); }

    uint32_t shift_ = 0, field_ = 0;
    uint8_t scale_[256] = {};
};

// A 64-bit pixel's sample: 8192 is 1.0; negative samples and those above 1.0 are clipped.
constexpr uint32_t kWideOne = 8192;

uint8_t WideToByte(uint16_t sample, const std::array<uint8_t, kWideOne + 1>& table) {
    const int16_t value = int16_t(sample);
    return value <= 0 ? 0 : value >= int16_t(kWideOne) ? 255 : table[size_t(value)];
}

// Linear light 0..1 in steps of 1/8192 to sRGB bytes, and alpha 0..1 to bytes, rounded.
const std::array<uint8_t, kWideOne + 1>& WideColourTable() {
    static const std::array<uint8_t, kWideOne + 1> table = [] {
        std::array<uint8_t, kWideOne + 1> t{};
        for (uint32_t v = 0; v <= kWideOne; ++v) {
            const double linear = double(v) / kWideOne;
            const double encoded =
                linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
            t[v] = uint8_t(encoded * 255 + 0.5);
        }
        return t;
    }();
    return table;
}

const std::array<uint8_t, kWideOne + 1>& WideAlphaTable() {
    static const std::array<uint8_t, kWideOne + 1> table = [] {
        std::array<uint8_t, kWideOne + 1> t{};
        for (uint32_t v = 0; v <= kWideOne; ++v)
            t[v] = uint8_t((v * 255 + kWideOne / 2) / kWideOne);
        return t;
    }();
    return table;
}

}  // namespace

void BmpLayout::CopyColourTable(std::span<const uint8_t> file, DIBitmap& bitmap) const {
    for (uint32_t i = 0; i < tableEntries; ++i) {
        const uint8_t* entry = file.data() + tableOffset + i * entrySize;
        bitmap.SetColour(i, entry[2], entry[1], entry[0]);
    }
}

void BmpLayout::ExpandPacked(const uint8_t* rows, DIBitmap& bitmap) const {
    const uint32_t sourceStride = DIBitmap::Stride(bitsPerPixel, width);
    const uint32_t bits = bitsPerPixel, perByte = 8 / bits, lastIndex = (1u << bits) - 1;
    for (int32_t r = 0; r < height; ++r) {
        const uint8_t* s = rows + size_t(r) * sourceStride;
        uint8_t* d = bitmap.pixels() + size_t(r) * bitmap.stride();
        for (uint32_t x = 0; x < uint32_t(width); ++x) {
            // The leftmost pixel sits in the most significant bits.
            const uint32_t shift = 8 - bits * (x % perByte + 1);
            d[x] = uint8_t((s[x / perByte] >> shift) & lastIndex);
        }
    }
}

void BmpLayout::SplitByMasks(const uint8_t* rows, DIBitmap& bitmap) const {
    const uint32_t sourceStride = DIBitmap::Stride(bitsPerPixel, width);
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    const bool withAlpha = HasAlpha();
    const size_t step = withAlpha ? 4 : 3;
    for (int32_t r = 0; r < height; ++r) {
        const uint8_t* s = rows + size_t(r) * sourceStride;
        uint8_t* d = bitmap.pixels() + size_t(r) * bitmap.stride();
        for (int32_t x = 0; x < width; ++x, d += step) {
            uint32_t pixel;
            if (bitsPerPixel == 16) {
                pixel = uint32_t(s[0] | (s[1] << 8));
                s += 2;
            } else {
                pixel = uint32_t(s[0]) | (uint32_t(s[1]) << 8) | (uint32_t(s[2]) << 16) |
                        (uint32_t(s[3]) << 24);
                s += 4;
            }
            d[0] = blue(pixel);
            d[1] = green(pixel);
            d[2] = red(pixel);
            if (withAlpha) d[3] = alpha(pixel);
        }
    }
}

void BmpLayout::NarrowWide(const uint8_t* rows, DIBitmap& bitmap) const {
    const uint32_t sourceStride = DIBitmap::Stride(bitsPerPixel, width);
    const auto& colour = WideColourTable();
    const auto& alpha = WideAlphaTable();
    for (int32_t r = 0; r < height; ++r) {
        const uint8_t* s = rows + size_t(r) * sourceStride;
        uint8_t* d = bitmap.pixels() + size_t(r) * bitmap.stride();
        for (int32_t x = 0; x < width; ++x, s += 8, d += 4) {
            for (int c = 0; c < 4; ++c) {
                const uint16_t sample = uint16_t(s[2 * c] | (s[2 * c + 1] << 8));
                d[c] = WideToByte(sample, c == 3 ? alpha : colour);
            }
        }
    }
}

void BmpLayout::DecodeRunLengths(std::span<const uint8_t> data, DIBitmap& bitmap) const {
    const uint32_t w = uint32_t(width), h = uint32_t(height);
    const bool fourBits = compression == kRle4;
    uint8_t* pixels = bitmap.pixels();
    const size_t stride = bitmap.stride();
    uint64_t x = 0, y = 0;  // stored row y, counted from the first row in the file
    auto put = [&](uint8_t index) {
        if (x < w) pixels[y * stride + x] = index;
        ++x;
    };
    size_t i = 0;
    while (i + 1 < data.size() && y < h) {
        const uint8_t count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (uint32_t k = 0; k < count; ++k) {
                put(fourBits ? ((k & 1) ? value & 15 : value >> 4) : value);
            }
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            return;
        } else if (value == 2) {  // move right and up
            if (i + 1 >= data.size()) return;
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else {  // a run of literal indices, padded to a 16-bit boundary
            const size_t bytes = fourBits ? (value + 1u) / 2 : value;
            if (bytes > data.size() - i) return;
            for (uint32_t k = 0; k < value && y < h; ++k) {
                const uint8_t b = data[i + (fourBits ? k / 2 : k)];
                put(fourBits ? ((k & 1) ? b & 15 : b >> 4) : b);
            }
            i += bytes + (bytes & 1);
        }
    }
}

}  // namespace CG
