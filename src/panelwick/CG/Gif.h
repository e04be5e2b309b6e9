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

// The first image of a GIF file placed on its logical screen: colour indices with the colour
// table (the image's local one when it has it, else the global one) and the transparent index
// of its Graphic Control Extension. The screen grows to the image's size when it is smaller;
// pixels of the screen outside the image hold the background index and show as transparent.
// LZW minimum code sizes 2 to 8 are read.
class Gif {
public:
    static constexpr const char* kImageEmpty = "CG::Gif::LoadGif image is empty";

    // Reads the first image; on failure the object is left empty.
    Sys::Result Load(std::span<const uint8_t> file);
    // Load and ToImage with the loaders' texts: "The image is empty" for an image of zero size,
    // "Out of memory" when the picture cannot be sized.
    static Sys::Result Decode(std::span<const uint8_t> file, ImageRGBA& image);

    // Each index of the image becomes its colour with alpha 255, the transparent index alpha 0;
    // the screen outside the image is the background colour with alpha 0. False when the
    // picture cannot be sized.
    bool ToImage(ImageRGBA& image) const;
    // An 8-bit top-down bitmap of the screen with the 256-entry colour table. False when it
    // cannot be created.
    bool ToBitmap(DIBitmap& bitmap) const;

    // The screen's size.
    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    // width x height indices, rows top to bottom.
    const std::vector<uint8_t>& indices() const { return indices_; }
    // 256 entries of red, green, blue; entries the file does not give are black.
    const std::array<uint8_t, 768>& colours() const { return colours_; }
    int transparentIndex() const { return transparent_; }

private:
    // Where the image lies on the screen, clipped to it; empty when it lies outside.
    struct Area {
        uint32_t left = 0, top = 0, right = 0, bottom = 0;
        bool Contains(uint32_t x, uint32_t y) const {
            return x >= left && x < right && y >= top && y < bottom;
        }
    };

    void Reset();
    Sys::Result Read(std::span<const uint8_t> file);
    Sys::Result ReadImage(std::span<const uint8_t> file, size_t& at);
    Sys::Result ReadImageData(std::span<const uint8_t> file, size_t& at,
                              std::vector<uint8_t>& data) const;
    void Place(const std::vector<uint8_t>& decoded, uint32_t left, uint32_t top, uint32_t width,
               uint32_t height);

    uint32_t width_ = 0, height_ = 0;
    std::vector<uint8_t> indices_;
    std::array<uint8_t, 768> colours_{};
    std::array<uint8_t, 3> background_{};
    uint8_t backgroundIndex_ = 0;
    Area area_;
    int transparent_ = -1;
    bool interlaced_ = false;
};

}  // namespace CG
