#include <gtest/gtest.h>

#include <vector>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"

TEST(DIBitmap, RowsArePaddedToFourBytes) {
    CG::DIBitmap b;
    ASSERT_TRUE(b.Create(24, 0, 1, 2, false));
    EXPECT_EQ(b.stride(), 4u);
    EXPECT_EQ(b.pixelDataSize(), 8u);
    ASSERT_TRUE(b.Create(24, 0, 5, 1, true));
    EXPECT_EQ(b.stride(), 16u);
    ASSERT_TRUE(b.Create(1, 0, 33, 1, true));
    EXPECT_EQ(b.stride(), 8u);
    EXPECT_EQ(b.colourCount(), 2u);
    EXPECT_EQ(b.header().size(), 40u + 8u);
}

TEST(DIBitmap, TopDownAndBottomUpExportTheSamePicture) {
    CG::DIBitmap top, bottom;
    ASSERT_TRUE(top.Create(24, 0, 3, 2, false));
    ASSERT_TRUE(bottom.Create(24, 0, 3, 2, true));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            for (int c = 0; c < 3; ++c) {
                top.Row(y)[3 * x + c] = bottom.Row(y)[3 * x + c] = uint8_t(10 * y + 3 * x + c);
            }
        }
    }
    EXPECT_NE(top.pixels()[0], bottom.pixels()[0]);  // stored in opposite orders
    std::vector<uint8_t> a(18), b(18);
    ASSERT_TRUE(top.ExportRGB(a.data()));
    ASSERT_TRUE(bottom.ExportRGB(b.data()));
    EXPECT_EQ(a, b);
    EXPECT_EQ(a[0], 2);  // red comes from the third stored byte
    EXPECT_EQ(a[2], 0);

    CG::ImageRGBA image;
    ASSERT_TRUE(bottom.Export(image));
    EXPECT_EQ(image.width(), 3u);
    EXPECT_EQ(image.Row(1)[0], 12);
    EXPECT_EQ(image.Row(1)[3], 255);
}

TEST(DIBitmap, FillIsFor24BitOnlyAndPalettesExpand) {
    CG::DIBitmap b;
    ASSERT_TRUE(b.Create(32, 0, 2, 2, false));
    EXPECT_FALSE(b.Fill(1, 2, 3));
    EXPECT_EQ(b.pixels()[0], 0);
    ASSERT_TRUE(b.Create(24, 0, 2, 2, false));
    ASSERT_TRUE(b.Fill(1, 2, 3));
    EXPECT_EQ(b.Row(1)[3], 3);  // blue first

    std::vector<uint8_t> header(40 + 4 * 2, 0);
    header[0] = 40;
    header[4] = 2;  // width 2
    header[8] = 1;  // height 1, bottom-up
    header[12] = 1;
    header[14] = 8;
    header[32] = 2;  // two colours
    header[40] = 0x10, header[41] = 0x20, header[42] = 0x30;  // entry 0: B G R
    header[44] = 0xFF;
    std::unique_ptr<uint8_t[]> pixels(new uint8_t[4]{0, 1, 0, 0});
    ASSERT_TRUE(b.Adopt(header, std::move(pixels), 4));
    uint8_t rgb[6];
    ASSERT_TRUE(b.ExportRGB(rgb));
    EXPECT_EQ(std::vector<uint8_t>(rgb, rgb + 6), (std::vector<uint8_t>{0x30, 0x20, 0x10, 0, 0, 0xFF}));
    EXPECT_FALSE(b.Adopt(header, std::unique_ptr<uint8_t[]>(new uint8_t[3]), 3));  // too few bytes
}

TEST(ImageRGBA, CreateReusesTheSameSizeAndRefusesHugeOnes) {
    CG::ImageRGBA image;
    ASSERT_TRUE(image.Create(4, 3));
    const uint8_t* before = image.pixels();
    image.pixels()[5] = 9;
    ASSERT_TRUE(image.Create(4, 3));
    EXPECT_EQ(image.pixels(), before);
    EXPECT_EQ(image.pixels()[5], 0);
    EXPECT_FALSE(image.Create(60000, 60000));
    EXPECT_EQ(image.width(), 0u);
    EXPECT_EQ(image.height(), 0u);
}
