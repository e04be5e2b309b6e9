#include <gtest/gtest.h>

#include "project/SlideshowLayout.h"

namespace {

MovieObject Picture(uint32_t begin, uint32_t end, int32_t size) {
    MovieObject o;
    o.begin = begin;
    o.end = end;
    o.beginState.sizeX = o.beginState.sizeY = o.endState.sizeX = o.endState.sizeY = size;
    o.beginState.x = o.endState.x = 8000000;
    return o;
}

}  // namespace

TEST(SlideshowLayout, APictureFadesInHoldsAndFadesOutWhileItGrowsSteadily) {
    const std::vector<MovieObject> parts =
        SlideshowLayout::FadeAndZoom(Picture(5000, 10000, 10000), 500);
    ASSERT_EQ(parts.size(), 3u);
    const uint32_t times[] = {5000, 5500, 9500, 10000};
    const int32_t sizes[] = {10000, 10100, 10900, 11000};
    const uint8_t levels[] = {0, 255, 255, 0};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(parts[i].begin, times[i]);
        EXPECT_EQ(parts[i].end, times[i + 1]);
        EXPECT_EQ(parts[i].beginState.sizeX, sizes[i]);
        EXPECT_EQ(parts[i].beginState.sizeY, sizes[i]);
        EXPECT_EQ(parts[i].endState.sizeX, sizes[i + 1]);
        EXPECT_EQ(parts[i].beginState.transparency, levels[i]);
        EXPECT_EQ(parts[i].endState.transparency, levels[i + 1]);
        EXPECT_EQ(parts[i].endState.x, 8000000);
    }
}

TEST(SlideshowLayout, FadesLongerThanHalfThePictureMeetInTheMiddleAndNoFadeKeepsOneObject) {
    const std::vector<MovieObject> meet = SlideshowLayout::FadeAndZoom(Picture(0, 800, 10000), 500);
    ASSERT_EQ(meet.size(), 2u);
    EXPECT_EQ(meet[0].end, 400u);
    EXPECT_EQ(meet[0].endState.transparency, 255);
    EXPECT_EQ(meet[1].endState.transparency, 0);

    const std::vector<MovieObject> plain = SlideshowLayout::FadeAndZoom(Picture(0, 800, 10000), 0);
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].beginState.transparency, 255);
    EXPECT_EQ(plain[0].endState.transparency, 255);
    EXPECT_EQ(plain[0].endState.sizeX, 11000);
}

TEST(SlideshowLayout, MusicIsCutToTheShowAndFadesOutOverItsLastTwoSeconds) {
    MovieObject music;
    music.type = MovieObjectType::Audio;
    music.begin = 0;
    music.end = 60000;
    SlideshowLayout::UnderShow(music, 20000);
    EXPECT_EQ(music.end, 20000u);
    EXPECT_EQ(music.endState.fadeRate, -23);
    EXPECT_NEAR(45.0 / -music.endState.fadeRate, 2.0, 0.05);
    EXPECT_EQ(music.beginState.fadeRate, 2000);

    music.end = 3000;
    SlideshowLayout::UnderShow(music, 20000);  // shorter music keeps its length
    EXPECT_EQ(music.end, 3000u);
}
