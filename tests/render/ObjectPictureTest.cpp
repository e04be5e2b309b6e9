#include <gtest/gtest.h>

#include "panelwick/CG/Blend.h"
#include "panelwick/CG/DDBitmap.h"
#include "panelwick/CG/Font.h"
#include "render/RectanglePicture.h"
#include "render/TextPicture.h"

namespace {

// Picture pixel (x, y) as a colour with red in the lowest byte, and its alpha.
uint32_t Colour(const CG::ImageRGBA& p, uint32_t x, uint32_t y) {
    const uint8_t* q = p.Row(y) + 4 * x;
    return q[0] | q[1] << 8 | q[2] << 16;
}
uint8_t Alpha(const CG::ImageRGBA& p, uint32_t x, uint32_t y) { return p.Row(y)[4 * x + 3]; }

MovieObject TextObject(const std::u16string& text, uint8_t depth) {
    MovieObject o;
    o.type = MovieObjectType::Text;
    o.text = text;
    o.fontSize = 12;
    o.depth3D = depth;
    o.backColor = 0x000000FF;   // red at the back
    o.frontColor = 0x00FF0000;  // blue in front
    return o;
}

}  // namespace

TEST(RectanglePicture, BevelShadesFromBackToFront) {
    MovieObject o;
    o.type = MovieObjectType::Rectangle;
    o.width = 5;
    o.height = 4;
    o.depth3D = 3;
    o.backColor = 0x00000000;
    o.frontColor = 0x00FFFFFF;
    CG::ImageRGBA p;
    ASSERT_TRUE(MakeRectanglePicture(o, p).ok());
    ASSERT_EQ(p.width(), 8u);
    ASSERT_EQ(p.height(), 7u);
    // Bevel rows and columns i = 0, 1, 2 take the gradient at i / 3: 0, 85, 170.
    EXPECT_EQ(Colour(p, 0, 0), 0x000000u);
    EXPECT_EQ(Colour(p, 1, 4), 0x555555u);
    EXPECT_EQ(Colour(p, 5, 2), 0xAAAAAAu);
    EXPECT_EQ(Colour(p, 3, 3), 0xFFFFFFu);
    EXPECT_EQ(Colour(p, 7, 6), 0xFFFFFFu);
    EXPECT_EQ(Alpha(p, 1, 4), 255);
    // Past the end of the top bevel rows and below the left bevel columns: transparent.
    EXPECT_EQ(Alpha(p, 6, 2), 255);
    EXPECT_EQ(Alpha(p, 6, 1), 0);
    EXPECT_EQ(Alpha(p, 7, 2), 0);
    EXPECT_EQ(Alpha(p, 0, 4), 0);

    o.depth3D = 0;
    ASSERT_TRUE(MakeRectanglePicture(o, p).ok());
    EXPECT_EQ(p.width(), 5u);
    EXPECT_EQ(Colour(p, 0, 0), 0xFFFFFFu);
    o.width = UINT32_MAX;
    o.depth3D = 1;
    EXPECT_EQ(MakeRectanglePicture(o, p).message(), "Out of memory");
}

TEST(TextPicture, ArialResolvesToAMetricCompatibleFace) {
    CG::Font font;
    ASSERT_TRUE(font.Create("Arial", -96, 0, false));
    EXPECT_NE(font.fileName().find("LiberationSans"), std::string::npos) << font.fileName();
    // Arial's cell at a 96-pixel em: ascent 1854 and descent 434 of 2048 units.
    EXPECT_EQ(font.ascent(), 87);
    EXPECT_EQ(font.descent(), 20);
    ASSERT_TRUE(font.Create("Arial", -96, CG::Font::kBoldWeight, true));
    EXPECT_NE(font.fileName().find("BoldItalic"), std::string::npos) << font.fileName();
}

TEST(TextPicture, EmptyTextHasNoPicture) {
    CG::ImageRGBA p;
    p.Create(3, 3);
    ASSERT_TRUE(MakeTextPicture(TextObject(u"", 3), p).ok());
    EXPECT_TRUE(p.empty());
}

TEST(TextPicture, DepthCopiesShadeFromBackToFront) {
    CG::ImageRGBA flat, deep;
    MovieObject o = TextObject(u"HI", 1);
    o.frontColor = 0xFFFFFF;
    ASSERT_TRUE(MakeTextPicture(o, flat).ok());
    ASSERT_TRUE(MakeTextPicture(TextObject(u"HI", 3), deep).ok());
    // cy is the font's cell height at 36 pixels: 33 + 8 (rounded 1854 and 434 of 2048), and
    // depth 1 adds one pixel.
    EXPECT_EQ(flat.height(), 41u + 1);
    EXPECT_EQ(deep.width(), flat.width() + 2);
    EXPECT_EQ(deep.height(), flat.height() + 2);

    // With q a fully inked mask pixel: the front copy lies at q + (2, 2); where the mask is
    // blank one step up-left of q, the middle copy shows at q + (1, 1); two steps too, the
    // back copy shows at q.
    const uint32_t middle = CG::Gradient(0x0000FF, 0xFF0000, 0.5);
    int fronts = 0, middles = 0, backs = 0;
    auto inked = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < int(flat.width()) && y < int(flat.height()) &&
               Alpha(flat, x, y) == 255;
    };
    auto blank = [&](int x, int y) {
        return x < 0 || y < 0 || Alpha(flat, x, y) == 0;
    };
    for (int y = 0; y < int(flat.height()); ++y) {
        for (int x = 0; x < int(flat.width()); ++x) {
            if (!inked(x, y)) continue;
            EXPECT_EQ(Colour(deep, x + 2, y + 2), 0xFF0000u);
            EXPECT_EQ(Alpha(deep, x + 2, y + 2), 255);
            ++fronts;
            if (!blank(x - 1, y - 1)) continue;
            EXPECT_EQ(Colour(deep, x + 1, y + 1), middle);
            ++middles;
            if (!blank(x - 2, y - 2)) continue;
            EXPECT_EQ(Colour(deep, x, y), 0x0000FFu);
            ++backs;
        }
    }
    EXPECT_GT(fronts, 50);
    EXPECT_GT(middles, 5);
    EXPECT_GT(backs, 5);
}

TEST(DDBitmap, ExportIsBoundedAndAlphaIsLuminance) {
    CG::DDBitmap canvas;
    ASSERT_TRUE(canvas.Create(100, 40));
    canvas.Fill(0x00204060);  // red 0x60, green 0x40, blue 0x20
    CG::ImageRGBA image;
    ASSERT_TRUE(canvas.ExportImageRGBA(image, 60, 80));
    EXPECT_EQ(image.width(), 60u);
    EXPECT_EQ(image.height(), 40u);
    EXPECT_EQ(Colour(image, 59, 39), 0x204060u);
    EXPECT_EQ(Alpha(image, 0, 0), (299 * 0x60 + 587 * 0x40 + 114 * 0x20 + 500) / 1000);
    CG::DDBitmap empty;
    EXPECT_FALSE(empty.ExportImageRGBA(image, 10, 10));
}
