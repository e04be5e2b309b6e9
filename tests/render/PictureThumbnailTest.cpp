#include <fstream>

#include <gtest/gtest.h>

#include "render/PictureThumbnail.h"
#include "support/TempDir.h"

TEST(PictureThumbnail, ShrinksByAveragingAndRejectsWhatCannotBeDecoded) {
    CG::ImageRGBA source;
    ASSERT_TRUE(source.Create(4, 2));
    for (uint32_t y = 0; y < 2; ++y) {
        for (uint32_t x = 0; x < 4; ++x) {
            uint8_t* p = source.Row(y) + x * 4;
            p[0] = uint8_t(x * 40 + y * 20);  // red varies
            p[3] = 255;
        }
    }
    CG::ImageRGBA small;
    PictureThumbnail::Shrink(source, 1, small);
    ASSERT_EQ(small.width(), 2u);
    ASSERT_EQ(small.height(), 1u);
    EXPECT_EQ(small.Row(0)[0], (0 + 40 + 20 + 60) / 4);
    EXPECT_EQ(small.Row(0)[4], (80 + 120 + 100 + 140) / 4);
    EXPECT_EQ(small.Row(0)[3], 255);
    PictureThumbnail::Shrink(source, 48, small);  // never enlarged
    EXPECT_EQ(small.height(), 2u);

    TempDir dir;
    std::ofstream(dir / "bad.jpg") << "not a picture";
    EXPECT_FALSE(PictureThumbnail::Make(dir / "bad.jpg", 48, small));
    EXPECT_FALSE(PictureThumbnail::Make(dir / "none.jpg", 48, small));
}
