#include <map>

#include <gtest/gtest.h>

#include "PictureFiles.h"
#include "panelwick/CG/BitmapLoader.h"
#include "panelwick/CG/BmpParser.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "support/TempDir.h"

using namespace PictureFiles;

namespace {

constexpr int kW = 13, kH = 7;  // odd sizes: every row is padded

// Eight colours whose channels are 0 or 255, exact at every depth.
const Bytes kPalette = {0,   0,   0, 255, 0, 0,   0, 255, 0,   0,   0,   255,
                        255, 255, 0, 255, 0, 255, 0, 255, 255, 255, 255, 255};

Bytes Indices(int colours) {
    Bytes indices(kW * kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) indices[y * kW + x] = uint8_t((x / 2 + 3 * y) % colours);
    }
    return indices;
}

Bytes Rgb(const Bytes& indices) {
    Bytes rgb;
    for (uint8_t i : indices)
        rgb.insert(rgb.end(), kPalette.begin() + 3 * i, kPalette.begin() + 3 * i + 3);
    return rgb;
}

}  // namespace

TEST(Bmp, EveryDepthDecodesLikeTheSamePictureInPng) {
    TempDir dir;
    struct Case {
        const char* name;
        int colours;
        BmpOptions options;
    };
    const std::vector<uint32_t> k565 = {0xF800, 0x07E0, 0x001F};
    const std::vector<uint32_t> kShuffled = {0x0000FF00, 0x00FF0000, 0xFF000000};
    const Case cases[] = {
        {"1-bit", 2, {.bits = 1, .paletteRgb = kPalette}},
        {"4-bit", 8, {.bits = 4, .paletteRgb = kPalette}},
        {"8-bit", 8, {.bits = 8, .paletteRgb = kPalette}},
        {"8-bit core", 8, {.bits = 8, .core = true, .paletteRgb = kPalette}},
        {"RLE8", 8, {.bits = 8, .compression = 1, .paletteRgb = kPalette}},
        {"RLE4", 8, {.bits = 4, .compression = 2, .paletteRgb = kPalette}},
        {"16-bit 555", 8, {.bits = 16, .masks = {0x7C00, 0x03E0, 0x001F}}},
        {"16-bit 565", 8, {.bits = 16, .compression = 3, .masks = k565}},
        {"24-bit", 8, {.bits = 24}},
        {"24-bit top-down", 8, {.bits = 24, .topDown = true}},
        {"24-bit core", 8, {.bits = 24, .core = true}},
        {"32-bit", 8, {.bits = 32}},
        {"32-bit masks", 8, {.bits = 32, .compression = 3, .masks = kShuffled}},
        {"4-bit top-down", 8, {.bits = 4, .topDown = true, .paletteRgb = kPalette}},
    };
    std::map<int, Bytes> expected;  // by colour count: the picture as ffmpeg writes it in PNG
    for (int colours : {2, 8}) {
        ASSERT_TRUE(FfmpegPng(dir / "x.png", Rgb(Indices(colours)), kW, kH, false));
        expected[colours] = Loaded(dir / "x.png");
        ASSERT_EQ(expected[colours].size(), size_t(kW * kH * 4));
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes indices = Indices(c.colours);
        const BmpOptions& o = c.options;
        Write(dir / "x.bmp", Bmp(kW, kH, o.bits <= 8 ? indices : Rgb(indices), o));
        EXPECT_EQ(Loaded(dir / "x.bmp"), expected[c.colours]);

        CG::DIBitmap bitmap;
        ASSERT_TRUE(CG::LoadBitmap(bitmap, dir / "x.bmp").ok());
        EXPECT_EQ(bitmap.bottomUp(), !o.topDown);
        EXPECT_EQ(bitmap.bitsPerPixel(), o.bits <= 8                     ? 8
                                         : o.bits == 16 || o.compression ? 24
                                                                         : o.bits);
    }
}

// Alpha masks of 1 to 8 bits, in bit fields after a short header, alpha bit fields, or in a
// longer header; alpha values 0, 170 and 255 are exact at every width.
TEST(Bmp, AlphaMasksKeepTheirAlpha) {
    TempDir dir;
    struct Case {
        const char* name;
        int bits, headerSize;
        uint32_t compression;
        std::vector<uint32_t> masks;
    };
    const Case cases[] = {
        {"8888 v5", 32, 124, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
        {"8888 shuffled v4", 32, 108, 3, {0xFF000000, 0xFF00, 0xFF, 0xFF0000}},
        {"8888 v3", 32, 56, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
        {"alpha bit fields", 32, 40, 6, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
        {"1010102", 32, 124, 3, {0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000}},
        {"4444", 16, 124, 3, {0xF00, 0xF0, 0xF, 0xF000}},
        {"1555", 16, 124, 3, {0x7C00, 0x3E0, 0x1F, 0x8000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool oneBit = c.masks[3] == 0x8000;
        Bytes rgba;
        for (uint8_t i : Indices(8)) {
            rgba.insert(rgba.end(), kPalette.begin() + 3 * i, kPalette.begin() + 3 * i + 3);
            rgba.push_back(i % 3 == 0 ? 0 : i % 3 == 1 || oneBit ? 255 : 170);
        }
        Write(dir / "a.bmp", Bmp(kW, kH, rgba,
                                 {.bits = c.bits,
                                  .compression = c.compression,
                                  .masks = c.masks,
                                  .headerSize = c.headerSize}));
        EXPECT_EQ(Loaded(dir / "a.bmp"), rgba);

        // The bitmap loader keeps the alpha in a 32-bit bitmap, as it does for PNG.
        CG::DIBitmap bitmap;
        ASSERT_TRUE(CG::LoadBitmap(bitmap, dir / "a.bmp").ok());
        EXPECT_EQ(bitmap.bitsPerPixel(), 32);
        EXPECT_EQ(bitmap.Row(0)[3], rgba[3]);
    }

    // Without an alpha mask the fourth byte is not alpha, whatever it holds.
    Bytes opaque = Bmp(kW, kH, Rgb(Indices(8)), {.bits = 32, .headerSize = 124});
    for (size_t at = opaque.size() - 4 * kW * kH + 3; at < opaque.size(); at += 4) opaque[at] = 7;
    Write(dir / "o.bmp", opaque);
    const Bytes pixels = Loaded(dir / "o.bmp");
    ASSERT_EQ(pixels.size(), size_t(kW * kH * 4));
    for (size_t at = 3; at < pixels.size(); at += 4) ASSERT_EQ(pixels[at], 255);
}

// 64-bit pixels: blue, green, red, alpha with 8192 as 1.0, colours in linear light.
TEST(Bmp, WidePixelsBecomeSrgbWithAlpha) {
    TempDir dir;
    const uint16_t samples[2][4] = {{0, 8192, 0xFFFF, 4096}, {9000, 0, 8192, 8192}};
    Bytes file = Bmp(2, 1, {0, 0, 0, 0, 0, 0}, {.bits = 24});
    file.resize(54);
    file[28] = 64;
    for (const auto& pixel : samples) {
        for (uint16_t v : pixel) file.insert(file.end(), {uint8_t(v), uint8_t(v >> 8)});
    }
    Write(dir / "w.bmp", file);
    EXPECT_EQ(Loaded(dir / "w.bmp"), (Bytes{0, 255, 0, 128, 255, 0, 255, 255}));
}

TEST(Bmp, BitmapsFromFfmpegMatchItsOwnDecoding) {
    TempDir dir;
    // Not the 16-bit formats: ffmpeg widens 5-bit channels by shifting, we scale to 0..255.
    const std::vector<std::string> formats = {"monob", "pal8", "gray", "rgb8", "bgr24", "bgra"};
    std::vector<std::string> make = {"-f", "lavfi", "-i", "testsrc2=s=36x22", "-frames:v", "1"};
    std::vector<std::string> files;
    for (const std::string& format : formats) {
        files.push_back(dir / (format + ".bmp"));
        make.insert(make.end(), {"-pix_fmt", format, "-frames:v", "1", files.back()});
    }
    ASSERT_TRUE(Ffmpeg(make));
    const std::vector<Bytes> decoded = FfmpegRgba(files);
    ASSERT_EQ(decoded.size(), files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i]);
        const Bytes loaded = Loaded(files[i]);
        ASSERT_EQ(loaded.size(), 36u * 22 * 4);
        EXPECT_EQ(loaded, decoded[i]);
    }
}

TEST(Bmp, BrokenFilesGiveTheirMessages) {
    const Bytes good = Bmp(kW, kH, Indices(8), {.bits = 8, .paletteRgb = kPalette});
    auto messageOf = [](Bytes file) {
        CG::DIBitmap bitmap;
        const Sys::Result result = CG::BmpParser::Parse(file, bitmap);
        EXPECT_TRUE(bitmap.empty());
        return result.message();
    };
    EXPECT_EQ(messageOf(Bytes(good.begin(), good.begin() + 13)), CG::BmpParser::kFileHeader);
    Bytes notBm = good;
    notBm[0] = 'X';
    EXPECT_EQ(messageOf(notBm), CG::BmpParser::kNotBitmap);
    EXPECT_EQ(messageOf(Bytes(good.begin(), good.begin() + 40)), CG::BmpParser::kInfoHeader);
    Bytes badDepth = good;
    badDepth[28] = 3;
    EXPECT_EQ(messageOf(badDepth), CG::BmpParser::kInfoHeader);
    EXPECT_EQ(messageOf(Bytes(good.begin(), good.begin() + 54 + 500)), CG::BmpParser::kColourTable);
    // So wide that a row's size does not fit in 32 bits.
    for (uint8_t bits : {32, 64}) {
        Bytes wide = Bmp(3, 2, Rgb(Bytes(6, 1)), {.bits = 32});
        wide[28] = bits;
        wide[21] = 0x40;
        EXPECT_EQ(messageOf(wide), CG::BmpParser::kInfoHeader) << int(bits);
    }
    EXPECT_EQ(messageOf(Bytes(good.begin(), good.end() - 1)), CG::BmpParser::kPixels);
    const Bytes masked = Bmp(kW, kH, Rgb(Indices(8)),
                             {.bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}});
    EXPECT_EQ(messageOf(Bytes(masked.begin(), masked.begin() + 60)), CG::BmpParser::kColourMask);

    // 60000 x 60000 in about 100 bytes, uncompressed and run-length encoded.
    for (uint32_t compression : {0u, 1u}) {
        Bytes huge = Bmp(2, 2, {0, 1, 1, 0},
                         {.bits = 8, .compression = compression, .paletteRgb = kPalette});
        huge.erase(huge.begin() + 54, huge.begin() + 54 + 1024);
        huge[46] = 2;  // two colours
        huge[10] = 62;
        for (int at : {18, 22}) huge[at] = 0x60, huge[at + 1] = 0xEA, huge[at + 2] = 0;
        EXPECT_EQ(messageOf(huge), CG::BmpParser::kPixels);
    }
}

TEST(Bmp, PictureLoaderUsesImagingTexts) {
    TempDir dir;
    const Bytes good = Bmp(kW, kH, Indices(8), {.bits = 8, .paletteRgb = kPalette});
    Write(dir / "short.bmp", Bytes(good.begin(), good.end() - 1));
    Write(dir / "header.bmp", Bytes(good.begin(), good.begin() + 30));
    EXPECT_EQ(LoadMessage(dir / "short.bmp"), "bitmapFrameDecode.CopyPixels");
    EXPECT_EQ(LoadMessage(dir / "header.bmp"), "Error reading the file");
    EXPECT_EQ(BitmapMessage(dir / "short.bmp"), CG::BmpParser::kPixels);
    EXPECT_EQ(BitmapMessage(dir / "missing.bmp"),
              "Unable to open file, the file does not exist or it is being used by another "
              "process");
}

TEST(Bmp, ResourcesLoadByNumber) {
    CG::DIBitmap bitmap;
    EXPECT_EQ(CG::LoadBmp(bitmap, 999).message(), "CG::DIBitmap::LoadBmp unable to load resource");
    ASSERT_TRUE(CG::LoadBmp(bitmap, 304).ok());
    EXPECT_EQ(bitmap.width(), 300);
    EXPECT_EQ(bitmap.height(), 300);
    EXPECT_EQ(bitmap.bitsPerPixel(), 24);
    CG::ImageRGBA image;
    EXPECT_TRUE(bitmap.Export(image));
}
