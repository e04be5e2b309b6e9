#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace CG {

// The size of a line of text: the sum of the advances by the font's cell height.
struct TextExtent {
    int32_t cx = 0;
    int32_t cy = 0;
};

// One shaped glyph: its index in the face and its origin in pixels from the pen start on the
// baseline (y grows downwards).
struct PlacedGlyph {
    uint32_t glyph = 0;
    int32_t x = 0;
    int32_t y = 0;
};

// The anti-aliased coverage of one rendered glyph, valid until the next RenderGlyph call on
// the same font: `left` and `top` place its top-left corner relative to the glyph origin on
// the baseline (top counts upwards).
struct GlyphMask {
    int32_t left = 0, top = 0;
    int32_t width = 0, rows = 0, pitch = 0;
    const uint8_t* coverage = nullptr;
};

// A font face found by name through fontconfig, opened with FreeType at a pixel size and
// shaped with HarfBuzz. Names that are not installed resolve to the closest face fontconfig
// offers ("Arial" gives a metric-compatible face such as Liberation Sans). Bold or italic is
// synthesised when the matched face lacks it.
class Font {
public:
    static constexpr int32_t kNormalWeight = 400;
    static constexpr int32_t kBoldWeight = 700;

    Font();
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // height < 0: the character (em) height is -height pixels; height > 0: the cell height
    // (ascent + descent) is height pixels; 0 picks 16 pixels. weight 0 is the normal weight.
    bool Create(const std::string& faceName, int32_t height, int32_t weight, bool italic);

    // Cell metrics in pixels, from the face's Windows ascent and descent when it has them.
    int32_t ascent() const;
    int32_t descent() const;
    std::string fileName() const;

    TextExtent Measure(std::u16string_view text) const;
    // The glyphs of one line, and the total advance in pixels.
    std::vector<PlacedGlyph> Layout(std::u16string_view text, int32_t& advance) const;
    bool RenderGlyph(uint32_t glyph, GlyphMask& mask) const;

private:
    struct Face;
    std::unique_ptr<Face> face_;
};

}  // namespace CG
