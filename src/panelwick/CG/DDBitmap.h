#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace CG {

class Font;
class ImageRGBA;

// A 32-bit memory canvas that text is drawn into before its pixels are exported. Pixels are
// blue, green, red and an unused byte, rows top to bottom without padding; a new canvas is
// black.
class DDBitmap {
public:
    // The largest canvas we allocate: 1 GiB.
    static constexpr uint64_t kMaxBytes = uint64_t(1) << 30;

    virtual ~DDBitmap() = default;

    bool Create(int32_t width, int32_t height);
    void Clear();

    // colour with red in the lowest byte. Fills the whole canvas.
    void Fill(uint32_t colour);
    // Draws one line of text with its cell's top-left corner at (x, y): every glyph's
    // anti-aliased coverage moves the pixels towards the colour. Pixels outside are clipped.
    bool DrawText(const Font& font, int32_t x, int32_t y, std::u16string_view text,
                  uint32_t colour);
    // A picture of min(maxWidth, width) x min(maxHeight, height) pixels from the top-left
    // corner: red, green and blue copied, alpha = (299 R + 587 G + 114 B + 500) / 1000, so
    // white text on black becomes a mask that is opaque where inked. False when the canvas
    // is empty or the picture cannot be allocated.
    bool ExportImageRGBA(ImageRGBA& image, uint32_t maxWidth, uint32_t maxHeight) const;

    bool empty() const { return !pixels_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    uint16_t bitsPerPixel() const { return 32; }
    uint8_t* Row(int32_t y) { return pixels_.get() + size_t(y) * size_t(width_) * 4; }
    const uint8_t* Row(int32_t y) const {
        return pixels_.get() + size_t(y) * size_t(width_) * 4;
    }

private:
    int32_t width_ = 0, height_ = 0;
    std::unique_ptr<uint8_t[]> pixels_;
};

}  // namespace CG
