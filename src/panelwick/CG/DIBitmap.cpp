#include "panelwick/CG/DIBitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "panelwick/CG/ImageRGBA.h"

namespace CG {
namespace {

uint32_t U32(const std::vector<uint8_t>& h, size_t at) {
    return uint32_t(h[at]) | (uint32_t(h[at + 1]) << 8) | (uint32_t(h[at + 2]) << 16) |
           (uint32_t(h[at + 3]) << 24);
}

uint16_t U16(const std::vector<uint8_t>& h, size_t at) { return uint16_t(h[at] | (h[at + 1] << 8)); }

void PutU32(std::vector<uint8_t>& h, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) h[at + i] = uint8_t(v >> (8 * i));
}

void PutU16(std::vector<uint8_t>& h, size_t at, uint16_t v) {
    h[at] = uint8_t(v);
    h[at + 1] = uint8_t(v >> 8);
}

}  // namespace

bool DIBitmap::Create(uint16_t bitsPerPixel, uint32_t coloursUsed, int32_t width, int32_t height,
                      bool bottomUp) {
    Clear();
    if (width <= 0 || height <= 0 || bitsPerPixel == 0 || bitsPerPixel > 32) return false;
    const uint32_t stride = Stride(bitsPerPixel, width);
    const uint64_t size = uint64_t(stride) * uint32_t(height);
    if (size > kMaxPixelBytes) return false;
    uint32_t entries = 0;
    if (bitsPerPixel <= 8) {
        const uint32_t full = 1u << bitsPerPixel;
        entries = (coloursUsed == 0 || coloursUsed == full) ? full : coloursUsed;
        if (entries > 256) return false;
    }
    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[size]());
    if (!pixels) return false;
    std::vector<uint8_t> header(40 + 4 * entries, 0);
    PutU32(header, 0, 40);
    PutU32(header, 4, uint32_t(width));
    PutU32(header, 8, uint32_t(bottomUp ? height : -height));
    PutU16(header, 12, 1);
    PutU16(header, 14, bitsPerPixel);
    PutU32(header, 16, kCompressionRGB);
    PutU32(header, 20, uint32_t(size));
    PutU32(header, 24, 11811);
    PutU32(header, 28, 11811);
    PutU32(header, 32, coloursUsed);
    header_ = std::move(header);
    pixels_ = std::move(pixels);
    size_ = size_t(size);
    stride_ = stride;
    return true;
}

bool DIBitmap::Adopt(std::vector<uint8_t> header, std::unique_ptr<uint8_t[]> pixels, size_t size) {
    Clear();
    if (header.size() < 12) return false;
    const uint32_t headerSize = U32(header, 0);
    if (headerSize != 12 && (headerSize < 40 || header.size() < headerSize)) return false;
    header_ = std::move(header);
    const int32_t w = width(), h = height();
    if (w <= 0 || h <= 0 || bitsPerPixel() == 0 || bitsPerPixel() > 32) {
        header_.clear();
        return false;
    }
    const uint32_t stride = Stride(bitsPerPixel(), w);
    if (!pixels || uint64_t(stride) * uint32_t(h) > size) {
        header_.clear();
        return false;
    }
    pixels_ = std::move(pixels);
    size_ = size;
    stride_ = stride;
    return true;
}

void DIBitmap::Clear() {
    header_.clear();
    pixels_.reset();
    size_ = 0;
    stride_ = 0;
}

int32_t DIBitmap::width() const {
    if (header_.size() < 12) return 0;
    return IsCore() ? int32_t(U16(header_, 4)) : int32_t(U32(header_, 4));
}

int32_t DIBitmap::height() const {
    if (header_.size() < 12) return 0;
    if (IsCore()) return int32_t(U16(header_, 6));
    const int32_t h = int32_t(U32(header_, 8));
    return h == INT32_MIN ? 0 : (h < 0 ? -h : h);
}

bool DIBitmap::bottomUp() const {
    return header_.size() >= 12 && (IsCore() || int32_t(U32(header_, 8)) > 0);
}

uint16_t DIBitmap::bitsPerPixel() const {
    if (header_.size() < 12) return 0;
    return IsCore() ? U16(header_, 10) : (header_.size() >= 16 ? U16(header_, 14) : 0);
}

uint32_t DIBitmap::compression() const {
    return (IsCore() || header_.size() < 20) ? kCompressionRGB : U32(header_, 16);
}

uint32_t DIBitmap::HeaderSize() const { return IsCore() ? 12 : U32(header_, 0); }

uint32_t DIBitmap::colourCount() const {
    const uint16_t bits = bitsPerPixel();
    if (bits == 0 || bits > 8) return 0;
    uint32_t count = 1u << bits;
    if (!IsCore() && header_.size() >= 36 && U32(header_, 32) != 0) {
        count = std::min(count, U32(header_, 32));
    }
    const size_t entry = IsCore() ? 3 : 4;
    const size_t offset = HeaderSize();
    const size_t room = header_.size() > offset ? (header_.size() - offset) / entry : 0;
    return uint32_t(std::min<size_t>(count, room));
}

void DIBitmap::Colour(uint32_t i, uint8_t& blue, uint8_t& green, uint8_t& red) const {
    if (i >= colourCount()) {
        blue = green = red = 0;
        return;
    }
    const uint8_t* c = header_.data() + HeaderSize() + i * (IsCore() ? 3 : 4);
    blue = c[0];
    green = c[1];
    red = c[2];
}

bool DIBitmap::SetColour(uint32_t i, uint8_t red, uint8_t green, uint8_t blue) {
    if (i >= colourCount()) return false;
    uint8_t* c = header_.data() + HeaderSize() + i * (IsCore() ? 3 : 4);
    c[0] = blue;
    c[1] = green;
    c[2] = red;
    return true;
}

uint8_t* DIBitmap::Row(int32_t y) {
    const int32_t stored = bottomUp() ? height() - 1 - y : y;
    return pixels_.get() + size_t(stored) * stride_;
}

const uint8_t* DIBitmap::Row(int32_t y) const { return const_cast<DIBitmap*>(this)->Row(y); }

bool DIBitmap::Fill(uint8_t red, uint8_t green, uint8_t blue) {
    if (empty() || bitsPerPixel() != 24 || compression() != kCompressionRGB) return false;
    const int32_t w = width(), h = height();
    // One row pixel by pixel, the others copied from it.
    uint8_t* first = pixels_.get();
    for (uint8_t* p = first; p < first + 3 * size_t(w); p += 3) {
        p[0] = blue;
        p[1] = green;
        p[2] = red;
    }
    for (int32_t y = 1; y < h; ++y) {
        std::memcpy(first + size_t(y) * stride_, first, 3 * size_t(w));
    }
    return true;
}

// Calls sink(x, y, red, green, blue) for every pixel, rows from the visual top.
template <typename Sink>
bool DIBitmap::ExportRows(Sink sink) const {
    const uint16_t bits = bitsPerPixel();
    if (empty() || compression() != kCompressionRGB || (bits != 8 && bits != 24 && bits != 32)) {
        return false;
    }
    uint8_t table[256][3] = {};
    if (bits == 8) {
        for (uint32_t i = 0; i < 256; ++i) Colour(i, table[i][2], table[i][1], table[i][0]);
    }
    const int32_t w = width(), h = height();
    const int step = bits / 8;
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* p = Row(y);
        for (int32_t x = 0; x < w; ++x, p += step) {
            if (bits == 8) {
                sink(x, y, table[*p][0], table[*p][1], table[*p][2]);
            } else {
                sink(x, y, p[2], p[1], p[0]);
            }
        }
    }
    return true;
}

bool DIBitmap::ExportRGB(uint8_t* destination) const {
    const size_t rowBytes = size_t(width()) * 3;
    return ExportRows([&](int32_t x, int32_t y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* d = destination + size_t(y) * rowBytes + size_t(x) * 3;
        d[0] = r;
        d[1] = g;
        d[2] = b;
    });
}

bool DIBitmap::Export(ImageRGBA& image) const {
    const uint16_t bits = bitsPerPixel();
    if (empty() || compression() != kCompressionRGB || (bits != 8 && bits != 24 && bits != 32)) {
        return false;
    }
    if (!image.Create(uint32_t(width()), uint32_t(height()))) return false;
    return ExportRows([&](int32_t x, int32_t y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* d = image.Row(uint32_t(y)) + size_t(x) * 4;
        d[0] = r;
        d[1] = g;
        d[2] = b;
        d[3] = 255;
    });
}

}  // namespace CG
