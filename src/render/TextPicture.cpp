#include "render/TextPicture.h"

#include "panelwick/CG/Blend.h"
#include "panelwick/CG/ComposeOver.h"
#include "panelwick/CG/DDBitmap.h"
#include "panelwick/CG/Font.h"
#include "panelwick/Sys/Utf.h"

namespace {

// The mask's red, green and blue set to one colour, its alpha kept.
void Tint(CG::ImageRGBA& mask, uint32_t colour) {
    uint8_t* p = mask.pixels();
    for (size_t i = 0; i < size_t(mask.width()) * mask.height(); ++i, p += 4) {
        p[0] = uint8_t(colour);
        p[1] = uint8_t(colour >> 8);
        p[2] = uint8_t(colour >> 16);
    }
}

}  // namespace

std::string TextFaceName(const MovieObject& object) {
    return object.fileName.empty() ? "Arial" : Sys::ToUtf8(object.fileName);
}

Sys::Result MakeTextPicture(const MovieObject& object, CG::ImageRGBA& picture) {
    const uint64_t n = object.text.size(), k = object.fontSize, d = object.depth3D;
    if (n == 0) {
        picture.Clear();
        return {};
    }
    CG::DDBitmap canvas;
    // A canvas too big to allocate stays empty, and the export below reports it.
    if (n * k * 3 <= INT32_MAX) canvas.Create(int32_t(n * k * 3), int32_t(k * 6));
    canvas.Fill(0);

    CG::Font font;
    if (!font.Create(TextFaceName(object), -int32_t(3 * k),
                     (object.fontStyle & MovieObject::kBold) ? CG::Font::kBoldWeight : 0,
                     (object.fontStyle & MovieObject::kItalic) != 0)) {
        return "Unable to create font";
    }
    const CG::TextExtent extent = font.Measure(object.text);
    canvas.DrawText(font, 0, 0, object.text, 0xFFFFFF);

    CG::ImageRGBA mask;
    if (!canvas.ExportImageRGBA(mask, uint32_t(extent.cx), uint32_t(extent.cy))) {
        return "Error ddbitmap.ExportImageRGBA";
    }
    if (!picture.Create(uint32_t(extent.cx + d), uint32_t(extent.cy + d))) return "Out of memory";
    if (d == 1) {
        Tint(mask, object.frontColor);
        CG::ComposeOver(mask, 0, 0, picture);
    } else if (d > 1) {
        for (uint32_t i = 0; i < d; ++i) {
            Tint(mask,
                 CG::Gradient(object.backColor, object.frontColor, double(i) / double(d - 1)));
            CG::ComposeOver(mask, int32_t(i), int32_t(i), picture);
        }
    }
    return {};
}
