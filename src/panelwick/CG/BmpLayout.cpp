#include "panelwick/CG/BmpLayout.h"

#include <bit>

#include "panelwick/CG/DIBitmap.h"

namespace CG {
namespace {

// One colour field of a bit mask, scaled to 0..255.
class Channel {
public:
    explicit Channel(uint32_t mask) {
        if (mask == 0) return;
        shift_ = uint32_t(std::countr_zero(mask));
        const uint32_t field = mask >> shift_;
        width_ = uint32_t(std::bit_width(field));
        mask_ = field;
        if (width_ < 8) {
            for (uint32_t v = 0; v <= field; ++v) scale_[v] = uint8_t((v * 255 + field / 2) / field);
        }
    }
    uint8_t operator()(uint32_t pixel) const {
        if (width_ == 0) return 0;
        const uint32_t v = (pixel >> shift_) & mask_;
        return width_ < 8 ? scale_[v] : uint8_t(v >> (width_ - 8));
    }

private:
    uint32_t shift_ = 0, width_ = 0, mask_ = 0;
    uint8_t scale_[128] = {};
};

}  // namespace

void BmpLayout::CopyColourTable(std::span<const uint8_t> file, DIBitmap& bitmap) const {
    for (uint32_t i = 0; i < tableEntries; ++i) {
        const uint8_t* entry = file.data() + tableOffset + i * entrySize;
        bitmap.SetColour(i, entry[2], entry[1], entry[0]);
    }
}

void BmpLayout::ExpandPacked(const uint8_t* rows, DIBitmap& bitmap) const {
    const uint32_t sourceStride = DIBitmap::Stride(bitsPerPixel, width);
    for (int32_t r = 0; r < height; ++r) {
        const uint8_t* s = rows + size_t(r) * sourceStride;
        uint8_t* d = bitmap.pixels() + size_t(r) * bitmap.stride();
        for (int32_t x = 0; x < width; ++x) {
            d[x] = bitsPerPixel == 1 ? (s[x >> 3] >> (7 - (x & 7))) & 1
                                     : (s[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
        }
    }
}

void BmpLayout::SplitByMasks(const uint8_t* rows, DIBitmap& bitmap) const {
    const uint32_t sourceStride = DIBitmap::Stride(bitsPerPixel, width);
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    for (int32_t r = 0; r < height; ++r) {
        const uint8_t* s = rows + size_t(r) * sourceStride;
        uint8_t* d = bitmap.pixels() + size_t(r) * bitmap.stride();
        for (int32_t x = 0; x < width; ++x, d += 3) {
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
