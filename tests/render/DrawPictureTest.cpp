#include <array>
#include <cmath>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "render/DrawPicture.h"
#include "render/reference/ReferenceDraw.h"

namespace {

// A top-down 24-bit frame filled with one colour.
struct Frame : CG::DIBitmap {
    Frame(int32_t w, int32_t h, uint8_t r = 10, uint8_t g = 20, uint8_t b = 30) {
        Create(24, 0, w, h, false);
        Fill(r, g, b);
    }
    explicit Frame(const Frame& other) : Frame(static_cast<const CG::DIBitmap&>(other)) {}
    explicit Frame(const CG::DIBitmap& other) {
        Create(24, 0, other.width(), other.height(), false);
        std::memcpy(pixels(), other.pixels(), pixelDataSize());
    }
};

// A picture whose pixel (x, y) is (x * 16, y * 16, 100, alpha).
CG::ImageRGBA Ramp(uint32_t w, uint32_t h, uint8_t alpha = 255) {
    CG::ImageRGBA picture;
    picture.Create(w, h);
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            uint8_t* p = picture.Row(y) + 4 * x;
            p[0] = uint8_t(x * 16), p[1] = uint8_t(y * 16), p[2] = 100, p[3] = alpha;
        }
    }
    return picture;
}

// Frame pixel (x, y) as red, green, blue.
std::array<int, 3> At(const CG::DIBitmap& frame, int x, int y) {
    const uint8_t* p = frame.Row(y) + 3 * x;
    return {p[2], p[1], p[0]};
}

FrameTransform Placed(float x, float y, float w, float h) {
    FrameTransform t;
    t.x = x, t.y = y, t.width = w, t.height = h;
    return t;
}

bool SameBytes(const CG::DIBitmap& a, const CG::DIBitmap& b) {
    return a.pixelDataSize() == b.pixelDataSize() &&
           std::memcmp(a.pixels(), b.pixels(), a.pixelDataSize()) == 0;
}

}  // namespace

TEST(DrawPicture, FrameChecksComeInTheirOrder) {
    const CG::ImageRGBA picture = Ramp(4, 4);
    CG::DIBitmap frame;
    ASSERT_TRUE(frame.Create(32, 0, 8, 8, false));
    EXPECT_EQ(DrawPicture(picture, frame, Placed(4, 4, 4, 4)).message(),
              "The destination bitmap must have 24 bits per pixel");
    ASSERT_TRUE(frame.Create(24, 0, 8, 8, true));
    // The orientation is checked even when there is nothing to draw.
    EXPECT_EQ(DrawPicture(picture, frame, Placed(4, 4, 0, 4)).message(),
              "The destination bitmap must not be inverted");
    ASSERT_TRUE(frame.Create(24, 0, 8, 8, false));
    EXPECT_TRUE(DrawPicture(picture, frame, Placed(4, 4, 4, 4)).ok());
    EXPECT_TRUE(DrawPicture(CG::ImageRGBA(), frame, Placed(4, 4, 4, 4)).ok());
}

TEST(DrawPicture, IdentityReproducesOpaquePixelsAndTransparencyBlends) {
    const CG::ImageRGBA picture = Ramp(6, 4);
    Frame frame(10, 8);
    ASSERT_TRUE(DrawPicture(picture, frame, Placed(5, 4, 6, 4)).ok());
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(At(frame, 2 + x, 2 + y), (std::array<int, 3>{x * 16, y * 16, 100}));
        }
    }
    EXPECT_EQ(At(frame, 0, 0), (std::array<int, 3>{10, 20, 30}));  // outside stays

    FrameTransform t = Placed(5, 4, 6, 4);
    t.transparency = 0;
    Frame untouched(10, 8);
    ASSERT_TRUE(DrawPicture(picture, untouched, t).ok());
    EXPECT_TRUE(SameBytes(untouched, Frame(10, 8)));

    t.transparency = 128;  // about half-way from (10, 20, 30) to the picture
    ASSERT_TRUE(DrawPicture(picture, untouched, t).ok());
    EXPECT_EQ(At(untouched, 2 + 5, 2 + 3), (std::array<int, 3>{45, 34, 65}));
}

TEST(DrawPicture, RotationsFlipMirrorAndNegativeAnglesCountAsZero) {
    const CG::ImageRGBA picture = Ramp(6, 4);
    FrameTransform t = Placed(5, 4, 6, 4);
    t.rotX = 180;  // upside down
    Frame flipped(10, 8);
    ASSERT_TRUE(DrawPicture(picture, flipped, t).ok());
    // Rows 3..6 now show picture rows 3..0 (the flip turns about the centre line y = 4).
    EXPECT_EQ(At(flipped, 3, 3), (std::array<int, 3>{16, 48, 100}));
    EXPECT_EQ(At(flipped, 3, 6), (std::array<int, 3>{16, 0, 100}));
    EXPECT_EQ(At(flipped, 3, 2), (std::array<int, 3>{10, 20, 30}));
    t.rotX = 0;
    t.rotY = 180;  // left to right
    Frame mirrored(10, 8);
    ASSERT_TRUE(DrawPicture(picture, mirrored, t).ok());
    EXPECT_EQ(At(mirrored, 3, 3), (std::array<int, 3>{80, 16, 100}));
    EXPECT_EQ(At(mirrored, 8, 3), (std::array<int, 3>{0, 16, 100}));

    Frame straight(10, 8), negative(10, 8);
    t.rotY = 0;
    ASSERT_TRUE(DrawPicture(picture, straight, t).ok());
    t.rotX = t.rotY = t.rotZ = -30;
    ASSERT_TRUE(DrawPicture(picture, negative, t).ok());
    EXPECT_TRUE(SameBytes(straight, negative));
    // A quarter turn about Z: down the centre column the picture's row 2 runs right to left.
    FrameTransform quarter = Placed(5, 5, 4, 4);
    quarter.rotZ = 90;
    Frame turned(10, 10);
    ASSERT_TRUE(DrawPicture(Ramp(4, 4), turned, quarter).ok());
    EXPECT_EQ(At(turned, 5, 4), (std::array<int, 3>{48, 32, 100}));
    EXPECT_EQ(At(turned, 5, 6), (std::array<int, 3>{16, 32, 100}));
}

TEST(DrawPicture, ColourAdjustments) {
    EXPECT_FLOAT_EQ(ContrastFactor(127), 1.0f);
    EXPECT_NEAR(ContrastFactor(0), 0.3368, 0.0001);
    EXPECT_NEAR(ContrastFactor(255), 2.9696, 0.0001);

    CG::ImageRGBA picture;
    picture.Create(1, 1);
    uint8_t* p = picture.pixels();
    p[0] = 200, p[1] = 50, p[2] = 100, p[3] = 255;
    FrameTransform t = Placed(0.5f, 0.5f, 1, 1);
    // Grey at the luminance (299 x 200 + 587 x 50 + 114 x 100 + 500) / 1000 = 101, give or
    // take the rounding of the saturation step.
    t.saturation = 0;
    Frame frame(1, 1);
    ASSERT_TRUE(DrawPicture(picture, frame, t).ok());
    EXPECT_EQ(At(frame, 0, 0), (std::array<int, 3>{102, 101, 101}));
    t.saturation = 127;
    t.brightness = 255;  // +128, clamped
    ASSERT_TRUE(DrawPicture(picture, frame, t).ok());
    EXPECT_EQ(At(frame, 0, 0), (std::array<int, 3>{255, 178, 228}));
    t.brightness = 127;
    t.contrast = 0;  // towards 127.5 by the factor 0.3368
    ASSERT_TRUE(DrawPicture(picture, frame, t).ok());
    EXPECT_EQ(At(frame, 0, 0), (std::array<int, 3>{151, 101, 118}));
}

// The production paths (row spans, scalar, AVX2 and AVX-512 kernels) against the plain rule on
// random placements: rotations about all axes, mirrored, tiny and huge, centres off the frame,
// every transparency and adjustment, pictures with random alpha.
TEST(DrawPicture, FastPathsGiveTheReferenceBytes) {
    std::mt19937 random(20240601);
    auto uniform = [&](float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(random);
    };
    auto byte = [&] { return uint8_t(random() & 255); };
    const DrawPath paths[] = {DrawPath::Scalar, DrawPath::Avx2, DrawPath::Avx512};
    int compared = 0, drawn = 0;
    for (int round = 0; round < 400; ++round) {
        const uint32_t pw = 1 + random() % 40, ph = 1 + random() % 30;
        CG::ImageRGBA picture;
        picture.Create(pw, ph);
        for (size_t i = 0; i < picture.byteCount(); ++i) picture.pixels()[i] = byte();
        const int32_t fw = 1 + int32_t(random() % 90), fh = 1 + int32_t(random() % 50);
        FrameTransform t;
        t.x = uniform(-0.3f, 1.3f) * float(fw);
        t.y = uniform(-0.3f, 1.3f) * float(fh);
        float scale = std::pow(10.0f, uniform(-2, 1.5f));  // tiny to huge
        if (round % 10 == 0) {  // far off the frame, and big enough to reach back into it
            t.x = uniform(1e3f, 1e5f) * (random() % 2 ? -1 : 1);
            t.y = uniform(1e3f, 1e5f) * (random() % 2 ? -1 : 1);
            scale = uniform(1e2f, 1e4f);
        }
        t.width = float(pw) * scale * (random() % 4 == 0 ? -1 : 1);
        t.height = float(ph) * scale * uniform(0.5, 2) * (random() % 4 == 0 ? -1 : 1);
        t.rotX = random() % 3 ? uniform(-30, 400) : 0;
        t.rotY = random() % 3 ? uniform(-30, 400) : 180;
        t.rotZ = random() % 5 ? uniform(-30, 400) : float(90 * (random() % 5));
        t.transparency = random() % 4 ? byte() : 255;
        const bool neutral = random() % 3 == 0;
        t.brightness = neutral ? 127 : byte();
        t.contrast = neutral ? 127 : byte();
        t.saturation = neutral ? 127 : byte();

        Frame expected(fw, fh, byte(), byte(), byte());
        const Frame background(expected);
        ASSERT_STREQ(Reference::DrawPicture(picture, expected, t), "");
        drawn += !SameBytes(expected, background);
        for (DrawPath path : paths) {
            Frame frame(background);
            ASSERT_TRUE(DrawPicture(picture, frame, t, path).ok());
            ASSERT_TRUE(SameBytes(frame, expected))
                << "round " << round << " path " << int(path) << " x " << t.x << " y " << t.y
                << " w " << t.width << " h " << t.height << " rot " << t.rotX << " " << t.rotY
                << " " << t.rotZ;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 1200);
    EXPECT_GT(drawn, 200);  // most placements reach the frame
}

// The colour adjustment of the vector kernels divides by multiplying and rounds in single
// precision; on every red and green, with blues and settings that include the extremes, it
// must still give the plain rule's bytes.
TEST(DrawPicture, AdjustedColoursMatchThePlainRuleEverywhere) {
    const uint8_t settings[][3] = {{0, 0, 0},     {255, 255, 255}, {0, 255, 127}, {255, 0, 127},
                                   {127, 127, 0}, {127, 127, 255}, {1, 254, 128}, {126, 128, 126}};
    std::mt19937 random(20261207);
    for (int round = 0; round < 24; ++round) {
        FrameTransform t = Placed(128, 128, 256, 256);
        const bool listed = round < int(std::size(settings));
        t.saturation = listed ? settings[round][0] : uint8_t(random());
        t.contrast = listed ? settings[round][1] : uint8_t(random());
        t.brightness = listed ? settings[round][2] : uint8_t(random());
        CG::ImageRGBA picture;
        picture.Create(256, 256);
        for (uint32_t y = 0; y < 256; ++y) {
            for (uint32_t x = 0; x < 256; ++x) {
                uint8_t* p = picture.Row(y) + 4 * x;
                p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = uint8_t(round * 11 + x * 3),
                p[3] = 255;
            }
        }
        Frame plain(256, 256);
        ASSERT_TRUE(DrawPicture(picture, plain, t, DrawPath::Scalar).ok());
        for (DrawPath path : {DrawPath::Avx2, DrawPath::Avx512}) {
            Frame fast(256, 256);
            ASSERT_TRUE(DrawPicture(picture, fast, t, path).ok());
            ASSERT_TRUE(SameBytes(plain, fast))
                << "path " << int(path) << " saturation " << int(t.saturation) << " contrast "
                << int(t.contrast) << " brightness " << int(t.brightness);
        }
    }
}
