#include "panelwick/CG/DDBitmap.h"

#include <algorithm>
#include <new>

#include "panelwick/CG/Blend.h"
#include "panelwick/CG/Font.h"
#include "panelwick/CG/ImageRGBA.h"

namespace CG {

bool DDBitmap::Create(int32_t width, int32_t height) {
    Clear();
    if (width <= 0 || height <= 0) return false;
    const uint64_t bytes = uint64_t(width) * uint64_t(height) * 4;
    if (bytes > kMaxBytes) return false;
    pixels_.reset(new (std::nothrow) uint8_t[bytes]());
    if (!pixels_) return false;
    width_ = width;
    height_ = height;
    return true;
}

void DDBitmap::Clear() {
    pixels_.reset();
    width_ = height_ = 0;
}

void DDBitmap::Fill(uint32_t colour) {
    for (int32_t y = 0; y < height_; ++y) {
        uint8_t* p = Row(y);
        for (int32_t x = 0; x < width_; ++x, p += 4) {
            p[0] = uint8_t(colour >> 16);
            p[1] = uint8_t(colour >> 8);
            p[2] = uint8_t(colour);
            p[3] = 0;
        }
    }
}

bool DDBitmap::DrawText(const Font& font, int32_t x, int32_t y, std::u16string_view text,
                        uint32_t colour) {
    if (empty()) return false;
    const uint8_t ink[3] = {uint8_t(colour >> 16), uint8_t(colour >> 8), uint8_t(colour)};
    int32_t advance = 0;
    const int32_t baseline = y + font.ascent();
    for (const PlacedGlyph& placed : font.Layout(text, advance)) {
        GlyphMask mask;
        if (!font.RenderGlyph(placed.glyph, mask)) continue;
        const int32_t left = x + placed.x + mask.left;
        const int32_t top = baseline + placed.y - mask.top;
        const int32_t rowBegin = std::max(0, -top), rowEnd = std::min(mask.rows, height_ - top);
        const int32_t colBegin = std::max(0, -left), colEnd = std::min(mask.width, width_ - left);
        for (int32_t row = rowBegin; row < rowEnd; ++row) {
            const uint8_t* coverage = mask.coverage + size_t(row) * size_t(mask.pitch);
            uint8_t* p = Row(top + row) + size_t(left + colBegin) * 4;
            for (int32_t col = colBegin; col < colEnd; ++col, p += 4) {
                const uint8_t a = coverage[col];
                if (a == 0) continue;
                for (int c = 0; c < 3; ++c) p[c] = Mix(ink[c], p[c], a);
            }
        }
    }
    return true;
}

bool DDBitmap::ExportImageRGBA(ImageRGBA& image, uint32_t maxWidth, uint32_t maxHeight) const {
    if (empty()) return false;
    const uint32_t w = std::min(maxWidth, uint32_t(width_));
    const uint32_t h = std::min(maxHeight, uint32_t(height_));
    if (!image.Create(w, h)) return false;
    for (uint32_t y = 0; y < h; ++y) {
        const uint8_t* s = Row(int32_t(y));
        uint8_t* d = image.Row(y);
        for (uint32_t x = 0; x < w; ++x, s += 4, d += 4) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
            d[3] = uint8_t((299 * s[2] + 587 * s[1] + 114 * s[0] + 500) / 1000);
        }
    }
    return true;
}

}  // namespace CG
