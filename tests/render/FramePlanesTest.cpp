#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/CG/DIBitmap.h"
#include "render/FramePlanes.h"

namespace {

// Makes a 24-bit top-down frame (blue, green, red per pixel) with the pixels `rgb(x, y)`.
template <typename F>
void Paint(CG::DIBitmap& frame, int width, int height, F rgb) {
    ASSERT_TRUE(frame.Create(24, 0, width, height, false));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = rgb(x, y);
            uint8_t* p = frame.Row(y) + 3 * x;
            p[0] = uint8_t(c), p[1] = uint8_t(c >> 8), p[2] = uint8_t(c >> 16);
        }
    }
}

int Round(double v) {
    return std::clamp(int(std::floor(v + 0.5)), 0, 255);
}

}  // namespace

// The planes hold the JPEG colour conversion of the frame: full-range Y per pixel, Cb and Cr
// averaged over 2 x 2 pixels, the last row and column repeated at odd edges.
TEST(FramePlanes, HoldTheJpegConversionWithChromaAveragedAndEdgesRepeated) {
    const int w = 19, h = 17;  // past one macroblock each way, odd chroma edges
    const auto colour = [](int x, int y) -> uint32_t {
        return x < 18 ? 0x204060u : 0xF0A000u + uint32_t(y);  // red in the high byte
    };
    CG::DIBitmap frame;
    Paint(frame, w, h, colour);
    ASSERT_EQ(FramePlanes::Size(w, h), size_t(19 * 17 + 2 * 10 * 9));
    std::vector<uint8_t> planes(FramePlanes::Size(w, h));
    ASSERT_TRUE(FramePlanes().Convert(frame, planes.data()));

    const auto luma = [](uint32_t c) {
        return 0.299 * (c >> 16 & 255) + 0.587 * (c >> 8 & 255) + 0.114 * (c & 255);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            EXPECT_NEAR(planes[size_t(y) * w + x], Round(luma(colour(x, y))), 1) << x << "," << y;
        }
    }
    const uint8_t* cb = planes.data() + w * h;
    const uint8_t* cr = cb + 10 * 9;
    // Left: one colour; the last column pairs x = 18 with itself (repeated edge).
    EXPECT_NEAR(cb[0], Round(128 - 0.168736 * 0x20 - 0.331264 * 0x40 + 0.5 * 0x60), 1);
    EXPECT_NEAR(cr[0], Round(128 + 0.5 * 0x20 - 0.418688 * 0x40 - 0.081312 * 0x60), 1);
    EXPECT_NEAR(cr[9], Round(128 + 0.5 * 0xF0 - 0.418688 * 0xA0 - 0.081312 * 0x01), 1);

    // The vector kernels give the same bytes as the plain ones.
    std::vector<uint8_t> plain(planes.size());
    ASSERT_TRUE(FramePlanes(CG::JpegKernels::Plain()).Convert(frame, plain.data()));
    EXPECT_EQ(plain, planes);

    // Many whole macroblocks (the vector stores) and edges, with every extreme colour.
    CG::DIBitmap noise;
    uint32_t seed = 12345;
    Paint(noise, 70, 37, [&seed](int x, int y) -> uint32_t {
        seed = seed * 1664525u + 1013904223u;
        return (x + y) % 5 == 0 ? ((x & 1) ? 0xFFFFFFu : 0u) : seed >> 8;
    });
    std::vector<uint8_t> fast(FramePlanes::Size(70, 37)), slow(fast.size());
    ASSERT_TRUE(FramePlanes().Convert(noise, fast.data()));
    ASSERT_TRUE(FramePlanes(CG::JpegKernels::Plain()).Convert(noise, slow.data()));
    EXPECT_EQ(slow, fast);
    if (CG::JpegKernels::ProcessorHasAvx2()) {
        ASSERT_TRUE(FramePlanes(CG::JpegKernels::Avx2()).Convert(noise, fast.data()));
        EXPECT_EQ(slow, fast);
    }

    CG::DIBitmap grey;
    ASSERT_TRUE(grey.Create(8, 256, 4, 4, false));
    EXPECT_FALSE(FramePlanes().Convert(grey, planes.data()));
}
