#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "panelwick/Sys/Result.h"

namespace CG {

class DIBitmap;
class ImageRGBA;

// The first image of a GIF file as colour indices with its colour table (the local one when the
// image has it, else the global one) and the transparent index of its Graphic Control Extension.
// Only LZW minimum code size 8 is read.
class Gif {
public:
    static constexpr const char* kImageEmpty = "CG::Gif::LoadGif image is empty";

    Sys::Result Load(std::span<const uint8_t> file);
    // Load and ToImage with the loaders' texts: "The image is empty" for an image of zero size,
    // "Out of memory" when the picture cannot be sized.
    static Sys::Result Decode(std::span<const uint8_t> file, ImageRGBA& image);

    // Each index becomes its colour with alpha 255, the transparent index alpha 0. False when
    // the picture cannot be sized.
    bool ToImage(ImageRGBA& image) const;
    // An 8-bit top-down bitmap with the 256-entry colour table. False when it cannot be created.
    bool ToBitmap(DIBitmap& bitmap) const;

    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    // width x height indices, rows top to bottom.
    const std::vector<uint8_t>& indices() const { return indices_; }
    // 256 entries of red, green, blue; entries the file does not give are black.
    const std::array<uint8_t, 768>& colours() const { return colours_; }
    int transparentIndex() const { return transparent_; }

private:
    void Reset();
    Sys::Result ReadImage(std::span<const uint8_t> file, size_t& at);
    void PlaceInterlacedRows(const std::vector<uint8_t>& decoded);

    uint32_t width_ = 0, height_ = 0;
    std::vector<uint8_t> indices_;
    std::array<uint8_t, 768> colours_{};
    int transparent_ = -1;
    bool interlaced_ = false;
};

}  // namespace CG
