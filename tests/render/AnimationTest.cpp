#include <gtest/gtest.h>

#include "render/Animation.h"
#include "render/FrameTiming.h"
#include "render/PreviewTransform.h"

namespace {

MovieObject Timed(uint32_t begin, uint32_t end) {
    MovieObject o;
    o.begin = begin;
    o.end = end;
    return o;
}

}  // namespace

TEST(FrameTiming, InstantsAndVisibility) {
    EXPECT_EQ(InstantOfFrame(1, 30).milliseconds, 33u);
    EXPECT_EQ(InstantOfFrame(3, 30).milliseconds, 100u);

    const MovieObject shown = Timed(1000, 2000);
    std::vector<uint32_t> frames;
    for (uint32_t f = 0; f < 100; ++f) {
        if (IsShownAt(shown, InstantOfFrame(f, 25).milliseconds)) frames.push_back(f);
    }
    ASSERT_EQ(frames.size(), 26u);
    EXPECT_EQ(frames.front(), 25u);
    EXPECT_EQ(frames.back(), 50u);

    MovieObject audio = shown;
    audio.type = MovieObjectType::Audio;
    EXPECT_FALSE(IsShownAt(audio, 1500));
    EXPECT_DOUBLE_EQ(LocalTime(shown, 1.5), 0.5);
}

TEST(FrameTiming, WorkersShareContiguousBlocksOrWindowFrames) {
    const uint32_t firsts[] = {0, 3, 6, 8}, counts[] = {3, 3, 2, 2};
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(WorkerBlock(i, 4, 10).first, firsts[i]) << i;
        EXPECT_EQ(WorkerBlock(i, 4, 10).count, counts[i]) << i;
    }
    EXPECT_EQ(WorkerBlock(1, 2, 10).first, 5u);
    EXPECT_EQ(WorkerBlock(1, 2, 10).count, 5u);
    EXPECT_EQ(WorkerBlock(1, 4, 2).count, 1u);
    EXPECT_EQ(WorkerBlock(3, 4, 2).count, 0u);  // fewer frames than workers
    EXPECT_EQ(WorkerBlock(0, 0, 2).count, 0u);

    const FrameWindow window = WindowFrames(24, 1500, 2999);
    EXPECT_EQ(window.first, 36u);
    EXPECT_EQ(window.last, 71u);
}

TEST(Animation, RatesReachTheEndStateAlongAParabola) {
    MovieObject o = Timed(1000, 3000);
    o.beginState.x = o.endState.x = 4000000;  // 400 reference pixels: 320 on a 1280 frame
    o.beginState.y = o.endState.y = 900000;
    o.accelerationX = 1000000;  // 100 reference pixels per second squared
    o.endState.sizeX = 20000;
    o.endState.rotZ = 900000;
    o.endState.transparency = 0;
    const AnimationRates rates = ComputeRates(o, 1280, 720);
    const FrameTransform start = Animate(o, rates, 100, 50, 1280, 720, 0);
    const FrameTransform middle = Animate(o, rates, 100, 50, 1280, 720, 1);
    const FrameTransform end = Animate(o, rates, 100, 50, 1280, 720, 2);
    EXPECT_FLOAT_EQ(start.x, 320);
    EXPECT_FLOAT_EQ(end.x, 320);
    // Half-way the centre lags by a D^2 / 8 = 80 x 4 / 8 = 40 pixels.
    EXPECT_FLOAT_EQ(middle.x, 280);
    EXPECT_FLOAT_EQ(middle.y, 72);
    EXPECT_FLOAT_EQ(start.width, 80);
    EXPECT_FLOAT_EQ(end.width, 160);
    EXPECT_FLOAT_EQ(start.height, 40);
    EXPECT_FLOAT_EQ(middle.rotZ, 45);
    EXPECT_EQ(middle.transparency, 128);  // 127.5 rounds away from zero
    EXPECT_EQ(end.transparency, 0);
    EXPECT_EQ(Animate(o, rates, 100, 50, 1280, 720, 3).transparency, 0);  // clamped

    const AnimationRates none = ComputeRates(Timed(5, 5), 1280, 720);
    EXPECT_EQ(none.velocityX, 0);
}

TEST(Animation, RotationsWrapAndBytesClampAndRound) {
    EXPECT_DOUBLE_EQ(WrapRotation(725), 5);
    EXPECT_DOUBLE_EQ(WrapRotation(-400), -40);
    EXPECT_DOUBLE_EQ(WrapRotation(360), 360);
    EXPECT_DOUBLE_EQ(WrapRotation(-360), -360);
    EXPECT_EQ(AnimatedByte(-3), 0);
    EXPECT_EQ(AnimatedByte(300), 255);
    EXPECT_EQ(AnimatedByte(2.5), 3);
    EXPECT_EQ(AnimatedByte(2.49), 2);
    // Scale products are 32-bit: 2,000,000,000 x 1280 wraps.
    EXPECT_EQ(Product32(2000000000, 1280), int32_t(uint32_t(2000000000u * 1280u)));
}

TEST(PreviewTransform, ShowsOneStateWithoutAnimation) {
    ObjectState s;
    s.x = 8000000;
    s.y = 4500000;
    s.sizeX = 5000;
    s.rotY = 7250000;
    s.brightness = 10;
    s.contrast = 20;
    const FrameTransform t = PreviewTransform(s, 200, 100, 640, 360);
    EXPECT_FLOAT_EQ(t.x, 320);
    EXPECT_FLOAT_EQ(t.y, 180);
    EXPECT_FLOAT_EQ(t.width, 40);   // 0.5 x 640 / 1600 x 200
    EXPECT_FLOAT_EQ(t.height, 40);  // 360 / 900 x 100
    EXPECT_FLOAT_EQ(t.rotY, 5);
    EXPECT_EQ(t.brightness, 10);
    EXPECT_EQ(t.contrast, 20);
}
