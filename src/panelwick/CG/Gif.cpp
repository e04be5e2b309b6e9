#include "panelwick/CG/Gif.h"

#include <algorithm>
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

uint16_t U16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}

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
    background_.fill(0);
    backgroundIndex_ = 0;
    area_ = {};
    transparent_ = -1;
    interlaced_ = false;
}

Sys::Result Gif::Load(std::span<const uint8_t> file) {
    Reset();
    Sys::Result result = Read(file);
    if (result.failed()) Reset();
    return result;
}

Sys::Result Gif::Read(std::span<const uint8_t> file) {
    if (file.size() < 13) return "CG::Gif::LoadGif unable to read GIF header";
    if (std::memcmp(file.data(), "GIF87a", 6) != 0 && std::memcmp(file.data(), "GIF89a", 6) != 0) {
        return kInvalid;
    }
    width_ = U16(file.data() + 6);
    height_ = U16(file.data() + 8);
    backgroundIndex_ = file[11];
    size_t at = 13;
    if (!ReadColourTable(file, at, file[10], colours_)) return kColourTable;
    std::memcpy(background_.data(), colours_.data() + 3 * backgroundIndex_, 3);
    while (at < file.size()) {
        const uint8_t block = file[at++];
        if (block == 0x2C) return ReadImage(file, at);
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
    const uint32_t left = U16(descriptor), top = U16(descriptor + 2);
    const uint32_t width = U16(descriptor + 4), height = U16(descriptor + 6);
    interlaced_ = (descriptor[8] & 0x40) != 0;
    if (!ReadColourTable(file, at, descriptor[8], colours_)) return kColourTable;
    if (at >= file.size()) return "CG::Gif::Load unable to read code size";
    const uint32_t codeSize = file[at++];
    if (codeSize < LzwDecoder::kMinCodeSize || codeSize > LzwDecoder::kMaxCodeSize) {
        return "CG::Gif::Load the LZW code size must be eight";
    }
    if (width == 0 || height == 0) return kImageEmpty;

    std::vector<uint8_t> data;
    Sys::Result read = ReadImageData(file, at, data);
    if (read.failed()) return read;
    // A screen smaller than the image grows to hold it, as other decoders do.
    width_ = std::max(width_, width);
    height_ = std::max(height_, height);
    if (!PlausiblePixelCount(width, height, data.size()) ||
        !PlausiblePixelCount(width_, height_, file.size())) {
        return "CG::Gif:Load unable to read compressed data";
    }
    if (uint64_t(width_) * height_ > ImageRGBA::kMaxPixels) return kOutOfMemory;
    std::vector<uint8_t> decoded(size_t(width) * height, 0);
    if (!LzwDecoder::Decode(data, codeSize, decoded)) {
        return "CG::Gif:Load error while LZW uncompressing";
    }
    Place(decoded, left, top, width, height);
    return {};
}

// The data sub-blocks after the code size, joined.
Sys::Result Gif::ReadImageData(std::span<const uint8_t> file, size_t& at,
                               std::vector<uint8_t>& data) const {
    data.reserve(file.size() - at);
    while (true) {
        if (at >= file.size()) return "CG::Gif::Load unable to read compressed byte count";
        const size_t count = file[at++];
        if (count == 0) return {};
        if (count > file.size() - at) return "CG::Gif:Load unable to read compressed data";
        data.insert(data.end(), file.data() + at, file.data() + at + count);
        at += count;
    }
}

// Copies the decoded rows onto the screen at (left, top), clipped to it. Interlaced rows arrive
// in four passes: every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
void Gif::Place(const std::vector<uint8_t>& decoded, uint32_t left, uint32_t top, uint32_t width,
                uint32_t height) {
    static constexpr uint32_t kStart[4] = {0, 4, 2, 1};
    static constexpr uint32_t kStep[4] = {8, 8, 4, 2};
    indices_.assign(size_t(width_) * height_, backgroundIndex_);
    area_.left = std::min(left, width_);
    area_.top = std::min(top, height_);
    area_.right = std::min(left + width, width_);
    area_.bottom = std::min(top + height, height_);
    const size_t visible = area_.right - area_.left;
    const uint8_t* source = decoded.data();
    for (int pass = 0; pass < (interlaced_ ? 4 : 1); ++pass) {
        const uint32_t start = interlaced_ ? kStart[pass] : 0, step = interlaced_ ? kStep[pass] : 1;
        for (uint32_t y = start; y < height; y += step, source += width) {
            if (top + y >= height_ || visible == 0) continue;
            std::memcpy(indices_.data() + size_t(top + y) * width_ + left, source, visible);
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
    const uint8_t outside[4] = {background_[0], background_[1], background_[2], 0};
    const uint8_t* index = indices_.data();
    uint8_t* d = image.pixels();
    for (uint32_t y = 0; y < height_; ++y) {
        for (uint32_t x = 0; x < width_; ++x, ++index, d += 4) {
            std::memcpy(d, area_.Contains(x, y) ? table[*index] : outside, 4);
        }
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
