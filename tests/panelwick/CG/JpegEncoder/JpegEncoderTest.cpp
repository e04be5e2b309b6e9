#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "JpegFiles.h"
#include "TestPictures.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/Sys/Buffer.h"
#include "support/TempDir.h"

using JpegFiles::Bodies;
using JpegFiles::Split;

TEST(JpegEncoder, QuantizationTablesFollowTheQuality) {
    CG::JpegEncoder encoder;
    const auto rgb = TestPictures::Natural(16, 16, 1);
    for (int quality = 1; quality <= 100; ++quality) {
        const auto ours = Bodies(Split(JpegFiles::Encode(encoder, rgb, 16, 16, quality)), 0xDB);
        const auto theirs = Bodies(Split(JpegFiles::TurboEncode(rgb, 16, 16, quality)), 0xDB);
        ASSERT_EQ(ours, theirs) << "quality " << quality;
    }
    // One segment: table 0, its 64 values, table 1, its 64 values; quality 100 divides by one.
    std::vector<uint8_t> ones(130, 1);
    ones[0] = 0;
    EXPECT_EQ(Bodies(Split(JpegFiles::Encode(encoder, rgb, 16, 16, 100)), 0xDB), ones);
    EXPECT_EQ(JpegFiles::Encode(encoder, rgb, 16, 16, 150),
              JpegFiles::Encode(encoder, rgb, 16, 16, 100));
}

TEST(JpegEncoder, HeadersDescribeABaselineFourTwoZeroPicture) {
    CG::JpegEncoder encoder;
    const auto rgb = TestPictures::Natural(17, 9, 2);
    const auto parts = Split(JpegFiles::Encode(encoder, rgb, 17, 9, 90));
    ASSERT_EQ(parts.segments.size(), 6u);
    EXPECT_EQ(parts.segments[1].marker, 0xE0);
    EXPECT_EQ(parts.segments[1].body,
              (std::vector<uint8_t>{'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(parts.segments[2].marker, 0xDB);
    EXPECT_EQ(parts.segments[3].marker, 0xC0);
    EXPECT_EQ(parts.segments[3].body,
              (std::vector<uint8_t>{8, 0, 9, 0, 17, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1}));
    EXPECT_EQ(parts.segments[4].marker, 0xC4);
    EXPECT_EQ(parts.segments[4].body.size() + 2, 0x01A2u);
    // The typical tables, as libjpeg-turbo writes them in four segments.
    EXPECT_EQ(parts.segments[4].body, Bodies(Split(JpegFiles::TurboEncode(rgb, 17, 9, 90)), 0xC4));
    EXPECT_EQ(parts.segments[5].marker, 0xDA);
    EXPECT_EQ(parts.segments[5].body,
              (std::vector<uint8_t>{3, 1, 0x00, 2, 0x11, 3, 0x11, 0x00, 0x3F, 0x00}));
}

// A flat grey macroblock is four times (DC length 0: 00, EOB: 1010), then twice (00, 00):
// 32 bits, 28 A2 8A 00. A 17 x 9 picture is two macroblocks; nothing is left to pad.
TEST(JpegEncoder, UniformGreyCodesOnlyDcAndEndOfBlock) {
    CG::JpegEncoder encoder;
    for (int quality : {1, 50, 90, 100}) {
        const std::vector<uint8_t> grey(17 * 9 * 3, 128);
        const auto file = JpegFiles::Encode(encoder, grey, 17, 9, quality);
        const auto parts = Split(file);
        EXPECT_EQ(parts.coded,
                  (std::vector<uint8_t>{0x28, 0xA2, 0x8A, 0x00, 0x28, 0xA2, 0x8A, 0x00}));
        EXPECT_TRUE(parts.endsWithEoi);
        EXPECT_EQ(JpegFiles::TurboDecode(file, 17, 9), grey);
    }
    const std::vector<uint8_t> one(3, 128);
    EXPECT_EQ(Split(JpegFiles::Encode(encoder, one, 1, 1, 90)).coded,
              (std::vector<uint8_t>{0x28, 0xA2, 0x8A, 0x00}));
    // Grey pictures code 8 x 8 blocks of 6 bits each; the last byte is filled with one-bits.
    const std::vector<uint8_t> grey(16 * 8 * 3, 128);
    EXPECT_EQ(Split(JpegFiles::Encode(encoder, grey, 8, 8, 90, false)).coded,
              (std::vector<uint8_t>{0x2B}));
    EXPECT_EQ(Split(JpegFiles::Encode(encoder, grey, 16, 8, 90, false)).coded,
              (std::vector<uint8_t>{0x28, 0xAF}));
}

TEST(JpegEncoder, CodedDataStuffsEveryFFByteAndEndsWithEoi) {
    CG::JpegEncoder encoder;
    const auto rgb = TestPictures::Noise(64, 48, 3);
    const auto file = JpegFiles::Encode(encoder, rgb, 64, 48, 100);
    const auto parts = Split(file);
    ASSERT_TRUE(parts.endsWithEoi);
    int stuffed = 0;
    for (size_t i = 0; i < parts.coded.size(); ++i) {
        if (parts.coded[i] != 0xFF) continue;
        ASSERT_LT(i + 1, parts.coded.size());
        EXPECT_EQ(parts.coded[i + 1], 0x00) << "at " << i;
        ++stuffed;
        ++i;
    }
    EXPECT_GT(stuffed, 10);
    EXPECT_FALSE(JpegFiles::TurboDecode(file, 64, 48).empty());
}

TEST(JpegEncoder, DecodesAsWellAsLibjpegTurbosOwnEncoding) {
    CG::JpegEncoder encoder;
    const int w = 640, h = 360;
    const auto rgb = TestPictures::Natural(w, h, 4);
    const auto ours = JpegFiles::TurboDecode(JpegFiles::Encode(encoder, rgb, w, h, 90), w, h);
    const auto theirs = JpegFiles::TurboDecode(JpegFiles::TurboEncode(rgb, w, h, 90), w, h);
    ASSERT_FALSE(ours.empty());
    ASSERT_FALSE(theirs.empty());
    const double psnrOurs = JpegFiles::Psnr(rgb, ours), psnrTheirs = JpegFiles::Psnr(rgb, theirs);
    EXPECT_GT(psnrOurs, psnrTheirs - 1.0) << psnrOurs << " dB against " << psnrTheirs << " dB";
    EXPECT_GT(psnrOurs, 30.0);
}

TEST(JpegEncoder, BitmapsOfEveryLayoutEncodeLikeTheirRgb) {
    const int w = 21, h = 19;
    const auto rgb = TestPictures::Natural(w, h, 5);
    CG::DIBitmap top, bottom, wide, palette;
    ASSERT_TRUE(top.Create(24, 0, w, h, false));
    ASSERT_TRUE(bottom.Create(24, 0, w, h, true));
    ASSERT_TRUE(wide.Create(32, 0, w, h, false));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
            for (CG::DIBitmap* b : {&top, &bottom}) {
                uint8_t* q = b->Row(y) + 3 * x;
                q[0] = p[2], q[1] = p[1], q[2] = p[0];
            }
            uint8_t* q = wide.Row(y) + 4 * x;
            q[0] = p[2], q[1] = p[1], q[2] = p[0], q[3] = 77;
        }
    }
    CG::JpegEncoder encoder;
    const auto expected = JpegFiles::Encode(encoder, rgb, w, h, 85);
    for (const CG::DIBitmap* b : {&top, &bottom, &wide}) {
        Sys::Buffer buffer;
        ASSERT_TRUE(encoder.Encode(*b, 85, buffer));
        EXPECT_EQ(std::vector<uint8_t>(buffer.data(), buffer.data() + buffer.size()), expected);
    }
    TempDir dir;
    ASSERT_TRUE(encoder.EncodeToFile(bottom, dir / "frame.jpg", 85));
    Sys::Buffer buffer;
    ASSERT_TRUE(encoder.Encode(bottom, 85, buffer));  // appends after what is there
    ASSERT_TRUE(encoder.Encode(bottom, 85, buffer));
    EXPECT_EQ(buffer.size(), 2 * expected.size());

    ASSERT_TRUE(palette.Create(8, 0, 3, 2, true));
    std::vector<uint8_t> header = palette.header();
    header[40 + 4 * 7 + 2] = 200;  // entry 7 is red 200
    std::unique_ptr<uint8_t[]> pixels(new uint8_t[palette.pixelDataSize()]());
    pixels[1] = 7;
    ASSERT_TRUE(palette.Adopt(header, std::move(pixels), palette.pixelDataSize()));
    std::vector<uint8_t> paletteRgb(3 * 2 * 3, 0);
    paletteRgb[3 * 3 + 3] = 200;  // bottom-up: the first stored row is the lower one
    Sys::Buffer paletteBuffer;
    ASSERT_TRUE(encoder.Encode(palette, 60, paletteBuffer));
    EXPECT_EQ(
        std::vector<uint8_t>(paletteBuffer.data(), paletteBuffer.data() + paletteBuffer.size()),
        JpegFiles::Encode(encoder, paletteRgb, 3, 2, 60));
}

// A file that cannot be written leaves the system's error number for the message; a full
// disk shows as the write into /dev/full.
TEST(JpegEncoder, RefusalsWriteNothingAndAFailedWriteKeepsTheSystemsReason) {
    CG::DIBitmap frame;
    ASSERT_TRUE(frame.Create(24, 0, 20, 12, false));
    CG::JpegEncoder encoder;
    TempDir dir;
    EXPECT_FALSE(encoder.EncodeToFile(frame, dir.path() / "missing/00000001.jpg", 90));
    EXPECT_EQ(encoder.writeError(), ENOENT);
    if (access("/dev/full", W_OK) == 0) {
        EXPECT_FALSE(encoder.EncodeToFile(frame, "/dev/full", 90));
        EXPECT_EQ(encoder.writeError(), ENOSPC);
    }
    EXPECT_TRUE(encoder.EncodeToFile(frame, dir.path() / "00000001.jpg", 90));
    EXPECT_EQ(encoder.writeError(), 0);

    // Sizes and layouts it cannot code: refused, nothing written, and no write error.
    Sys::Buffer buffer;
    const std::vector<uint8_t> rgb(3 * 4, 0);
    EXPECT_FALSE(encoder.EncodeRGB(rgb.data(), 0, 4, true, 90, buffer));
    EXPECT_FALSE(encoder.EncodeRGB(rgb.data(), 4, 0, true, 90, buffer));
    EXPECT_FALSE(encoder.EncodeRGB(rgb.data(), 70000, 1, true, 90, buffer));
    CG::DIBitmap empty, sixteen;
    EXPECT_FALSE(encoder.Encode(empty, 90, buffer));
    ASSERT_TRUE(sixteen.Create(16, 0, 4, 4, false));
    EXPECT_FALSE(encoder.Encode(sixteen, 90, buffer));
    EXPECT_EQ(buffer.size(), 0u);
    EXPECT_FALSE(encoder.EncodeToFile(sixteen, dir.path() / "00000002.jpg", 90));
    EXPECT_EQ(encoder.writeError(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "00000002.jpg"));
}
