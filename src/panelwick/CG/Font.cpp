#include "panelwick/CG/Font.h"

#include <algorithm>
#include <mutex>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include <hb-ft.h>
#include <hb.h>

namespace CG {

struct Font::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    hb_font_t* font = nullptr;
    std::string file;
    int32_t ascent = 0, descent = 0;
    bool emboldened = false, slanted = false;

    ~Face() {
        if (font) hb_font_destroy(font);
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

namespace {

// fontconfig's configuration is loaded once per process; matching is thread-safe after that.
std::mutex& FontconfigMutex() {
    static std::mutex mutex;
    return mutex;
}

struct MatchedFace {
    std::string file;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

bool MatchFace(const std::string& name, int32_t weight, bool italic, MatchedFace& result) {
    std::lock_guard lock(FontconfigMutex());
    if (!FcInit()) return false;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, int(FcWeightFromOpenType(weight)));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult outcome = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &outcome);
    FcPatternDestroy(pattern);
    if (!match) return false;
    FcChar8* file = nullptr;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
    if (found) {
        result.file = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &result.index);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &result.weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &result.slant);
    }
    FcPatternDestroy(match);
    return found;
}

int32_t ScaleRounded(int64_t units, int64_t pixelsPerEm, int64_t unitsPerEm) {
    return int32_t((units * pixelsPerEm + unitsPerEm / 2) / unitsPerEm);
}

}  // namespace

Font::Font() = default;
Font::~Font() = default;

bool Font::Create(const std::string& faceName, int32_t height, int32_t weight, bool italic) {
    face_.reset();
    if (weight <= 0) weight = kNormalWeight;
    MatchedFace matched;
    if (!MatchFace(faceName, weight, italic, matched)) return false;
    auto face = std::make_unique<Face>();
    if (FT_Init_FreeType(&face->library) != 0) return false;
    if (FT_New_Face(face->library, matched.file.c_str(), matched.index, &face->face) != 0) {
        return false;
    }
    FT_Face f = face->face;
    if (!FT_IS_SCALABLE(f) || f->units_per_EM == 0) return false;
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    const int64_t upem = f->units_per_EM;
    const int64_t winAscent = os2 ? os2->usWinAscent : f->ascender;
    const int64_t winDescent = os2 ? os2->usWinDescent : -f->descender;
    int64_t ppem = 16;
    if (height < 0) {
        ppem = -int64_t(height);
    } else if (height > 0 && winAscent + winDescent > 0) {
        ppem = std::max<int64_t>(1, (height * upem + (winAscent + winDescent) / 2) /
                                        (winAscent + winDescent));
    }
    if (ppem > 0xFFFF || FT_Set_Pixel_Sizes(f, 0, FT_UInt(ppem)) != 0) return false;
    face->ascent = ScaleRounded(winAscent, ppem, upem);
    face->descent = ScaleRounded(winDescent, ppem, upem);
    face->font = hb_ft_font_create_referenced(f);
    if (!face->font) return false;
    face->emboldened = weight >= 600 && matched.weight < FC_WEIGHT_DEMIBOLD;
    face->slanted = italic && matched.slant == FC_SLANT_ROMAN;
    face->file = matched.file;
    face_ = std::move(face);
    return true;
}

int32_t Font::ascent() const { return face_ ? face_->ascent : 0; }
int32_t Font::descent() const { return face_ ? face_->descent : 0; }
std::string Font::fileName() const { return face_ ? face_->file : std::string(); }

std::vector<PlacedGlyph> Font::Layout(std::u16string_view text, int32_t& advance) const {
    advance = 0;
    std::vector<PlacedGlyph> glyphs;
    if (!face_ || text.empty()) return glyphs;
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.data()), int(text.size()),
                        0, int(text.size()));
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(face_->font, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* position = hb_buffer_get_glyph_positions(buffer, &count);
    // Positions are in 1/64 pixel; hinted advances are whole pixels.
    int64_t pen = 0;
    glyphs.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        glyphs.push_back({info[i].codepoint, int32_t((pen + position[i].x_offset + 32) >> 6),
                          int32_t(-((position[i].y_offset + 32) >> 6))});
        pen += position[i].x_advance;
    }
    hb_buffer_destroy(buffer);
    advance = int32_t((pen + 32) >> 6);
    return glyphs;
}

TextExtent Font::Measure(std::u16string_view text) const {
    TextExtent extent;
    if (!face_) return extent;
    Layout(text, extent.cx);
    extent.cy = face_->ascent + face_->descent;
    return extent;
}

bool Font::RenderGlyph(uint32_t glyph, GlyphMask& mask) const {
    if (!face_) return false;
    FT_Face f = face_->face;
    if (FT_Load_Glyph(f, glyph, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return false;
    if (face_->slanted) FT_GlyphSlot_Oblique(f->glyph);
    if (face_->emboldened) FT_GlyphSlot_Embolden(f->glyph);
    if (FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
    const FT_Bitmap& bitmap = f->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < 0) return false;
    mask.left = f->glyph->bitmap_left;
    mask.top = f->glyph->bitmap_top;
    mask.width = int32_t(bitmap.width);
    mask.rows = int32_t(bitmap.rows);
    mask.pitch = bitmap.pitch;
    mask.coverage = bitmap.buffer;
    return true;
}

}  // namespace CG
