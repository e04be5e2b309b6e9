#include "panelwick/CG/Gif.h"

#include <cstring>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/DecodeLimits.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/LzwDecoder.h"
#include "panelwick/CG/PictureMessages.h"

namespace CG {
namespace {

constexpr const char* kInvalid = "CG::Gif::Load invalid GIF file";
constexpr const char* kColourTable = "CG::Gif::Load unable to read the color table";

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

// Steps over data sub-blocks up to and including the empty one; false when the file ends first.
bool SkipSubBlocks(std::span<const uint8_t> file, size_t& at) {
    while (at < file.size()) {
        const size_t count = file[at++];
        if (count == 0) return true;
        if (count > file.size() - at) return false;
        at += count;
    }
    return false;
}

// A colour table of 2 << (packed & 7) entries when bit 7 of packed is set.
bool ReadColourTable(std::span<const uint8_t> file, size_t& at, uint8_t packed,
                     std::array<uint8_t, 768>& colours) {
    if ((packed & 0x80) == 0) return true;
    const size_t bytes = size_t(3) * (2u << (packed & 7));
    if (bytes > file.size() - at) return false;
    colours.fill(0);
    std::memcpy(colours.data(), file.data() + at, bytes);
    at += bytes;
    return true;
}

// The transparent index of a Graphic Control Extension whose label was just read.
bool ReadGraphicControl(std::span<const uint8_t> file, size_t& at, int& transparent) {
    if (at >= file.size()) return false;
    const size_t count = file[at];
    if (count < 4 || count >= file.size() - at) return false;
    const uint8_t* block = file.data() + at + 1;
    transparent = (block[0] & 1) ? block[3] : -1;
    at += 1 + count;
    return SkipSubBlocks(file, at);
}

}  // namespace

void Gif::Reset() {
    width_ = height_ = 0;
    indices_.clear();
    colours_.fill(0);
    transparent_ = -1;
    interlaced_ = false;
}

Sys::Result Gif::Load(std::span<const uint8_t> file) {
    Reset();
    if (file.size() < 13) return "CG::Gif::LoadGif unable to read GIF header";
    if (std::memcmp(file.data(), "GIF87a", 6) != 0 && std::memcmp(file.data(), "GIF89a", 6) != 0) {
        return kInvalid;
    }
    size_t at = 13;
    if (!ReadColourTable(file, at, file[10], colours_)) return kColourTable;
    while (at < file.size()) {
        const uint8_t block = file[at++];
        if (block == 0x2C) {
            Sys::Result result = ReadImage(file, at);
            if (result.failed()) Reset();
            return result;
        }
        if (block == 0x3B) return kImageEmpty;  // the trailer, and no image before it
        if (block != 0x21 || at >= file.size()) return kInvalid;
        const uint8_t label = file[at++];
        if (label == 0xF9) {
            if (!ReadGraphicControl(file, at, transparent_)) {
                return "CG::Gif::Load unable to read the Graphic Control Extension";
            }
        } else if (!SkipSubBlocks(file, at)) {
            return kInvalid;
        }
    }
    return kInvalid;
}

Sys::Result Gif::ReadImage(std::span<const uint8_t> file, size_t& at) {
    if (file.size() - at < 9) return "CG::Gif:Load unable to read the Image Block";
    const uint8_t* descriptor = file.data() + at;
    at += 9;
    const uint32_t width = U16(descriptor + 4), height = U16(descriptor + 6);
    interlaced_ = (descriptor[8] & 0x40) != 0;
    if (!ReadColourTable(file, at, descriptor[8], colours_)) return kColourTable;
    if (at >= file.size()) return "CG::Gif::Load unable to read code size";
    if (file[at++] != 8) return "CG::Gif::Load the LZW code size must be eight";
    if (width == 0 || height == 0) return kImageEmpty;

    std::vector<uint8_t> data;
    data.reserve(file.size() - at);
    while (true) {
        if (at >= file.size()) return "CG::Gif::Load unable to read compressed byte count";
        const size_t count = file[at++];
        if (count == 0) break;
        if (count > file.size() - at) return "CG::Gif:Load unable to read compressed data";
        data.insert(data.end(), file.data() + at, file.data() + at + count);
        at += count;
    }
    if (!PlausiblePixelCount(width, height, data.size())) {
        return "CG::Gif:Load unable to read compressed data";
    }
    std::vector<uint8_t> decoded(size_t(width) * height, 0);
    if (!LzwDecoder::Decode(data, decoded)) return "CG::Gif:Load error while LZW uncompressing";
    width_ = width;
    height_ = height;
    if (interlaced_) {
        PlaceInterlacedRows(decoded);
    } else {
        indices_ = std::move(decoded);
    }
    return {};
}

// Decoded rows arrive in four passes: every 8th row from 0, every 8th from 4, every 4th from 2,
// every 2nd from 1.
void Gif::PlaceInterlacedRows(const std::vector<uint8_t>& decoded) {
    static constexpr uint32_t kStart[4] = {0, 4, 2, 1};
    static constexpr uint32_t kStep[4] = {8, 8, 4, 2};
    indices_.assign(decoded.size(), 0);
    const uint8_t* source = decoded.data();
    for (int pass = 0; pass < 4; ++pass) {
        for (uint32_t y = kStart[pass]; y < height_; y += kStep[pass], source += width_) {
            std::memcpy(indices_.data() + size_t(y) * width_, source, width_);
        }
    }
}

Sys::Result Gif::Decode(std::span<const uint8_t> file, ImageRGBA& image) {
    Gif gif;
    Sys::Result loaded = gif.Load(file);
    if (loaded.failed()) return loaded.message() == kImageEmpty ? CG::kImageEmpty : loaded;
    if (!gif.ToImage(image)) return kOutOfMemory;
    return {};
}

bool Gif::ToImage(ImageRGBA& image) const {
    if (!image.Resize(width_, height_)) return false;
    uint8_t table[256][4];
    for (int i = 0; i < 256; ++i) {
        std::memcpy(table[i], colours_.data() + 3 * i, 3);
        table[i][3] = i == transparent_ ? 0 : 255;
    }
    uint8_t* d = image.pixels();
    for (uint8_t index : indices_) {
        std::memcpy(d, table[index], 4);
        d += 4;
    }
    return true;
}

bool Gif::ToBitmap(DIBitmap& bitmap) const {
    if (!bitmap.Create(8, 0, int32_t(width_), int32_t(height_), false)) return false;
    for (uint32_t i = 0; i < 256; ++i) {
        bitmap.SetColour(i, colours_[3 * i], colours_[3 * i + 1], colours_[3 * i + 2]);
    }
    for (uint32_t y = 0; y < height_; ++y) {
        std::memcpy(bitmap.Row(int32_t(y)), indices_.data() + size_t(y) * width_, width_);
    }
    return true;
}

}  // namespace CG
