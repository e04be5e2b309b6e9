#include <gtest/gtest.h>

#include "panelwick/CG/Blend.h"
#include "panelwick/CG/ComposeOver.h"
#include "panelwick/CG/ImageRGBA.h"
#include "render/reference/ReferenceDraw.h"

TEST(Blend, ArithmeticEqualsTheTablesOnEveryEntry) {
    int mismatches = 0;
    for (uint32_t a = 0; a < 256; ++a) {
        for (uint32_t b = 0; b < 256; ++b) {
            for (uint32_t f = 0; f < 256; ++f) {
                mismatches += CG::Mix(a, b, f) != Reference::Mix(a, b, f);
            }
            mismatches += CG::Scale(a, b) != Reference::Scale(a, b);
        }
    }
    EXPECT_EQ(mismatches, 0);
    for (uint32_t x = 0; x < 65535; ++x) {
        if (CG::Div255(x) != x / 255) {
            ADD_FAILURE() << x;
            break;
        }
    }
}

TEST(Blend, GradientClampsAndMixesEachChannel) {
    const uint32_t a = 0x000000FF, b = 0x00FF0000;  // red, blue
    EXPECT_EQ(CG::Gradient(a, b, -1), a);
    EXPECT_EQ(CG::Gradient(a, b, 0), a);
    EXPECT_EQ(CG::Gradient(a, b, 1), b);
    EXPECT_EQ(CG::Gradient(a, b, 7), b);
    // One third: f = 85 for each channel.
    EXPECT_EQ(CG::Gradient(a, b, 1.0 / 3), uint32_t(CG::Mix(0xFF, 0, 85)) << 16 | CG::Mix(0, 0xFF, 85));
    EXPECT_EQ(CG::Gradient(0xFF123456, 0xFF123456, 0.5), 0x00123456u);
}

namespace {

CG::ImageRGBA Pixel(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    CG::ImageRGBA image;
    image.Create(1, 1);
    uint8_t* p = image.pixels();
    p[0] = r, p[1] = g, p[2] = b, p[3] = a;
    return image;
}

}  // namespace

TEST(ComposeOver, OpaqueReplacesTranslucentMixesAndOutsideIsIgnored) {
    CG::ImageRGBA destination;
    ASSERT_TRUE(destination.Create(2, 2));
    CG::ComposeOver(Pixel(10, 20, 30, 255), 1, 1, destination);
    EXPECT_EQ(destination.Row(1)[4], 10);
    EXPECT_EQ(destination.Row(1)[7], 255);
    EXPECT_EQ(destination.Row(0)[3], 0);

    // Half over transparent: alpha 127 (trunc(0.498 x 255)), colour kept.
    CG::ComposeOver(Pixel(200, 100, 50, 128), 0, 0, destination);
    const uint8_t* p = destination.Row(0);
    EXPECT_EQ(p[3], 128);
    EXPECT_EQ(p[0], 200);
    // Half over opaque: colour half-way, alpha stays opaque.
    CG::ComposeOver(Pixel(0, 0, 0, 128), 1, 1, destination);
    p = destination.Row(1) + 4;
    EXPECT_EQ(p[3], 255);
    EXPECT_EQ(p[0], 4);  // trunc(10 x 127/255)
    // Both transparent: nothing changes.
    CG::ComposeOver(Pixel(9, 9, 9, 0), 1, 0, destination);
    EXPECT_EQ(destination.Row(0)[4], 0);
    // Off the destination on every side.
    CG::ComposeOver(Pixel(1, 1, 1, 255), -1, 0, destination);
    CG::ComposeOver(Pixel(1, 1, 1, 255), 2, 0, destination);
    CG::ComposeOver(Pixel(1, 1, 1, 255), 0, 5, destination);
    EXPECT_EQ(destination.Row(0)[0], 200);
}
