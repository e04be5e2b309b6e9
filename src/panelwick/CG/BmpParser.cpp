#include "panelwick/CG/BmpParser.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include <climits>

#include "panelwick/CG/BmpLayout.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/DecodeLimits.h"
#include "panelwick/CG/PictureMessages.h"

namespace CG {
namespace {

constexpr size_t kFileHeaderSize = 14;

uint16_t U16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool ValidDepth(uint16_t bits, uint32_t compression) {
    switch (compression) {
        case 0:
            return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
                   bits == 32 || bits == 64;
        case BmpLayout::kRle8:
            return bits == 8;
        case BmpLayout::kRle4:
            return bits == 4;
        case BmpLayout::kBitFields:
        case BmpLayout::kAlphaBitFields:
            return bits == 16 || bits == 32;
        default:
            return false;
    }
}

// A field of the info header; zero when the header is too short to hold it, as in the
// shortened headers some OS/2 programs write.
uint32_t InfoField(const uint8_t* header, uint32_t headerSize, size_t at) {
    return at + 4 <= headerSize ? U32(header + at) : 0;
}

// The info or core header after the file header.
bool ReadInfoHeader(std::span<const uint8_t> file, BmpLayout& layout) {
    if (file.size() < kFileHeaderSize + 4) return false;
    const uint8_t* h = file.data() + kFileHeaderSize;
    layout.headerSize = U32(h);
    if (layout.headerSize != 12 && layout.headerSize < 16) return false;
    if (layout.headerSize > file.size() - kFileHeaderSize) return false;
    int32_t height;
    if (layout.headerSize == 12) {
        layout.width = U16(h + 4);
        height = U16(h + 6);
        layout.bitsPerPixel = U16(h + 10);
        layout.entrySize = 3;
    } else {
        layout.width = int32_t(U32(h + 4));
        height = int32_t(U32(h + 8));
        layout.bitsPerPixel = U16(h + 14);
        layout.compression = InfoField(h, layout.headerSize, 16);
    }
    if (layout.width <= 0 || height == 0 || height == INT32_MIN) return false;
    // A row of the widest pixels (64 bits) must have a size that 32 bits can hold.
    if (uint64_t(layout.width) * 8 > UINT32_MAX) return false;
    layout.bottomUp = height > 0;
    layout.height = height > 0 ? height : -height;
    return ValidDepth(layout.bitsPerPixel, layout.compression);
}

// Masks of bit-field pictures follow a 40-byte header (and are its last fields when longer):
// red, green and blue, then alpha for alpha bit fields or in a header of 56 bytes or more.
bool ReadMasks(std::span<const uint8_t> file, BmpLayout& layout, size_t& tableOffset) {
    tableOffset = kFileHeaderSize + layout.headerSize;
    if (layout.compression == BmpLayout::kBitFields ||
        layout.compression == BmpLayout::kAlphaBitFields) {
        const bool alpha =
            layout.compression == BmpLayout::kAlphaBitFields || layout.headerSize >= 56;
        const size_t count = alpha ? 4 : 3;
        const size_t at = kFileHeaderSize + 40;
        if (file.size() < at + 4 * count) return false;
        for (size_t i = 0; i < count; ++i) layout.masks[i] = U32(file.data() + at + 4 * i);
        if (layout.headerSize == 40) tableOffset = at + 4 * count;
    } else if (layout.bitsPerPixel == 16) {
        layout.masks[0] = 0x7C00, layout.masks[1] = 0x03E0, layout.masks[2] = 0x001F;
    } else {
        layout.masks[0] = 0xFF0000, layout.masks[1] = 0xFF00, layout.masks[2] = 0xFF;
    }
    return true;
}

bool ReadColourTable(std::span<const uint8_t> file, BmpLayout& layout, size_t at) {
    layout.tableOffset = at;
    if (layout.bitsPerPixel > 8) return true;
    const uint32_t full = 1u << layout.bitsPerPixel;
    uint32_t entries = full;
    if (layout.headerSize != 12) {
        const uint32_t used = InfoField(file.data() + kFileHeaderSize, layout.headerSize, 32);
        if (used != 0 && used < full) entries = used;
    }
    // A table may not run into the pixels: older OS/2 files hold fewer entries than the depth
    // allows and say so only by where their pixels start.
    const size_t pixels = U32(file.data() + 10);
    if (pixels > at && (pixels - at) / layout.entrySize > 0) {
        entries = std::min(entries, uint32_t((pixels - at) / layout.entrySize));
    }
    layout.tableEntries = entries;
    return at <= file.size() && entries * layout.entrySize <= file.size() - at;
}

// Uncompressed 8-, 24- and 32-bit rows are kept as stored, with the header and colour table.
Sys::Result AdoptStored(std::span<const uint8_t> file, const BmpLayout& layout, const uint8_t* rows,
                        size_t size, DIBitmap& bitmap) {
    std::vector<uint8_t> header(
        file.data() + kFileHeaderSize,
        file.data() + layout.tableOffset + layout.tableEntries * layout.entrySize);
    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[size]);
    if (!pixels) return kOutOfMemory;
    std::memcpy(pixels.get(), rows, size);
    if (!bitmap.Adopt(std::move(header), std::move(pixels), size)) return BmpParser::kPixels;
    return {};
}

Sys::Result ReadPixels(std::span<const uint8_t> file, const BmpLayout& layout, size_t offset,
                       DIBitmap& bitmap) {
    const std::span<const uint8_t> data = file.subspan(offset);
    const bool runLengths =
        layout.compression == BmpLayout::kRle8 || layout.compression == BmpLayout::kRle4;
    if (runLengths) {
        if (!PlausiblePixelCount(uint32_t(layout.width), uint32_t(layout.height), data.size())) {
            return BmpParser::kPixels;
        }
    } else {
        const uint64_t size =
            uint64_t(DIBitmap::Stride(layout.bitsPerPixel, layout.width)) * uint32_t(layout.height);
        if (size > data.size()) return BmpParser::kPixels;
        const uint16_t bits = layout.bitsPerPixel;
        const bool fullHeader = layout.headerSize == 12 || layout.headerSize >= 40;
        if (layout.compression == 0 && fullHeader && (bits == 8 || bits == 24 || bits == 32)) {
            return AdoptStored(file, layout, data.data(), size_t(size), bitmap);
        }
    }
    const bool indexed = layout.bitsPerPixel <= 8;
    const uint16_t bits = indexed ? 8 : layout.HasAlpha() ? 32 : 24;
    if (!bitmap.Create(bits, layout.tableEntries, layout.width, layout.height, layout.bottomUp)) {
        return kOutOfMemory;
    }
    if (indexed) layout.CopyColourTable(file, bitmap);
    if (runLengths) {
        layout.DecodeRunLengths(data, bitmap);
    } else if (indexed) {
        layout.ExpandPacked(data.data(), bitmap);
    } else if (layout.bitsPerPixel == 64) {
        layout.NarrowWide(data.data(), bitmap);
    } else {
        layout.SplitByMasks(data.data(), bitmap);
    }
    return {};
}

}  // namespace

Sys::Result BmpParser::Parse(std::span<const uint8_t> file, DIBitmap& bitmap) {
    bool alpha = false;
    return Parse(file, bitmap, alpha);
}

Sys::Result BmpParser::Parse(std::span<const uint8_t> file, DIBitmap& bitmap, bool& alpha) {
    alpha = false;
    bitmap.Clear();
    if (file.size() < kFileHeaderSize) return kFileHeader;
    if (U16(file.data()) != 0x4D42) return kNotBitmap;
    BmpLayout layout;
    if (!ReadInfoHeader(file, layout)) return kInfoHeader;
    size_t tableOffset = 0;
    if (!ReadMasks(file, layout, tableOffset)) return kColourMask;
    if (!ReadColourTable(file, layout, tableOffset)) return kColourTable;
    // The pixels start where the file header says, unless that points into the headers or
    // past the end of the file; then they follow the colour table.
    const size_t tableEnd = layout.tableOffset + layout.tableEntries * layout.entrySize;
    size_t offset = U32(file.data() + 10);
    if (offset < tableEnd || offset >= file.size()) offset = tableEnd;
    Sys::Result result = ReadPixels(file, layout, offset, bitmap);
    if (result.failed()) {
        bitmap.Clear();
    } else {
        alpha = layout.HasAlpha();
    }
    return result;
}

}  // namespace CG
