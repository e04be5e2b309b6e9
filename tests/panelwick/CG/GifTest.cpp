#include <gtest/gtest.h>

#include "PictureFiles.h"
#include "panelwick/CG/BitmapLoader.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/Gif.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "support/TempDir.h"

using namespace PictureFiles;

namespace {

constexpr int kW = 11, kH = 19;  // more than 8 rows: every interlace pass has rows

Bytes Indices() {
    Bytes indices(kW * kH);
    for (int i = 0; i < kW * kH; ++i) indices[i] = uint8_t((i * 7 + i / kW) % 256);
    return indices;
}

Bytes Palette() {
    Bytes palette(768);
    for (int i = 0; i < 768; ++i) palette[i] = uint8_t(i * 13 + 5);
    return palette;
}

std::string MessageOf(const Bytes& file) {
    CG::Gif gif;
    return gif.Load(file).message();
}

}  // namespace

TEST(Gif, DecodesLikeFfmpegOnItsOwnGifs) {
    TempDir dir;
    // Large enough for 12-bit codes and a full string table.
    ASSERT_TRUE(
        Ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=320x240:d=0.04", "-vf",
                "split[a][b];[a]palettegen[p];[b][p]paletteuse", "-frames:v", "1", dir / "x.gif"}));
    const Bytes loaded = Loaded(dir / "x.gif");
    ASSERT_EQ(loaded.size(), size_t(320 * 240 * 4));
    EXPECT_EQ(loaded, FfmpegRgba(dir / "x.gif"));
}

// Every minimum code size with a colour table of its size, on a picture large enough to fill
// the string table several times: runs (long strings) and noise (short ones), interlaced too.
// ffmpeg decodes the same files, which shows that the test's encoder is right.
TEST(Gif, EveryCodeSizeDecodes) {
    TempDir dir;
    constexpr int kWidth = 320, kHeight = 180;
    std::vector<std::string> paths;
    std::vector<Bytes> pictures;
    for (uint8_t codeSize = 2; codeSize <= 8; ++codeSize) {
        SCOPED_TRACE(int(codeSize));
        const int colours = 1 << codeSize;
        Bytes indices(kWidth * kHeight);
        uint32_t noise = 12345;
        for (int i = 0; i < kWidth * kHeight; ++i) {
            noise = noise * 1103515245 + 12345;
            indices[i] =
                uint8_t((i / kWidth) % 3 == 0 ? (i / 7) % colours : (noise >> 16) % colours);
        }
        const Bytes palette = Palette();
        Bytes expected;
        for (uint8_t index : indices) {
            expected.insert(expected.end(), palette.begin() + 3 * index,
                            palette.begin() + 3 * index + 3);
            expected.push_back(255);
        }
        for (bool interlaced : {false, true}) {
            const std::string path =
                dir / ("c" + std::to_string(codeSize) + (interlaced ? "i" : "") + ".gif");
            Write(path,
                  Gif(kWidth, kHeight, indices, Palette(),
                      {.interlaced = interlaced, .codeSize = codeSize, .tableSize = colours}));
            EXPECT_TRUE(Loaded(path) == expected) << interlaced;
            paths.push_back(path);
            pictures.push_back(expected);
        }
    }
    const std::vector<Bytes> decoded = FfmpegRgba(paths);
    ASSERT_EQ(decoded.size(), pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i) EXPECT_TRUE(decoded[i] == pictures[i]) << paths[i];
}

// The first image is placed on the logical screen; the screen elsewhere is the background
// colour, fully transparent. A screen smaller than the image grows to its size.
TEST(Gif, FirstImageSitsOnItsScreen) {
    TempDir dir;
    const Bytes indices = {1, 2, 3, 4, 5, 6};
    auto rgba = [](int index, uint8_t alpha) {
        return Bytes{Palette()[3 * index], Palette()[3 * index + 1], Palette()[3 * index + 2],
                     alpha};
    };
    Write(dir / "p.gif",
          Gif(3, 2, indices, Palette(),
              {.screenWidth = 5, .screenHeight = 4, .left = 1, .top = 2, .background = 9}));
    CG::ImageRGBA image;
    ASSERT_TRUE(CG::LoadPicture(image, dir / "p.gif").ok());
    ASSERT_EQ(image.width(), 5u);
    ASSERT_EQ(image.height(), 4u);
    for (uint32_t y = 0; y < 4; ++y) {
        for (uint32_t x = 0; x < 5; ++x) {
            const bool inside = x >= 1 && x < 4 && y >= 2;
            const Bytes pixel(image.Row(y) + 4 * x, image.Row(y) + 4 * x + 4);
            EXPECT_EQ(pixel, inside ? rgba(indices[(y - 2) * 3 + x - 1], 255) : rgba(9, 0))
                << x << "," << y;
        }
    }
    CG::DIBitmap bitmap;
    ASSERT_TRUE(CG::LoadBitmap(bitmap, dir / "p.gif").ok());
    EXPECT_EQ(bitmap.width(), 5);
    EXPECT_EQ(bitmap.Row(3)[3], 6);
    EXPECT_EQ(bitmap.Row(0)[0], 9);

    // Partly off the screen: clipped. On a screen too small: the screen grows.
    Write(dir / "c.gif", Gif(3, 2, indices, Palette(),
                             {.screenWidth = 4, .screenHeight = 4, .left = 2, .top = 3}));
    const Bytes clipped = Loaded(dir / "c.gif");
    ASSERT_EQ(clipped.size(), 4u * 4 * 4);
    Bytes corner = rgba(1, 255);  // the image's first two pixels at the bottom right
    const Bytes second = rgba(2, 255);
    corner.insert(corner.end(), second.begin(), second.end());
    EXPECT_EQ(Bytes(clipped.end() - 8, clipped.end()), corner);
    Write(dir / "g.gif", Gif(3, 2, indices, Palette(), {.screenWidth = 1, .screenHeight = 1}));
    ASSERT_TRUE(CG::LoadPicture(image, dir / "g.gif").ok());
    EXPECT_EQ(image.width(), 3u);
    EXPECT_EQ(image.height(), 2u);
}

TEST(Gif, InterlacedLocalTableAndPlainGifsGiveTheSamePicture) {
    TempDir dir;
    Write(dir / "plain.gif", Gif(kW, kH, Indices(), Palette()));
    Write(dir / "interlaced.GIF", Gif(kW, kH, Indices(), Palette(), {.interlaced = true}));
    Write(dir / "local.gif", Gif(kW, kH, Indices(), Palette(), {.localTable = true}));
    const Bytes plain = Loaded(dir / "plain.gif");
    ASSERT_EQ(plain.size(), size_t(kW * kH * 4));
    EXPECT_EQ(Loaded(dir / "interlaced.GIF"), plain);
    EXPECT_EQ(Loaded(dir / "local.gif"), plain);

    // The bitmap loader gives an 8-bit bitmap with the colour table, showing the same colours.
    CG::DIBitmap bitmap;
    ASSERT_TRUE(CG::LoadBitmap(bitmap, dir / "interlaced.GIF").ok());
    EXPECT_EQ(bitmap.bitsPerPixel(), 8);
    CG::ImageRGBA exported;
    ASSERT_TRUE(bitmap.Export(exported));
    EXPECT_EQ(Pixels(exported), plain);
}

TEST(Gif, TransparentIndexHasAlphaZero) {
    TempDir dir;
    const Bytes indices = {1, 2, 1, 2, 2, 1};
    Write(dir / "t.gif", Gif(3, 2, indices, Palette(), {.transparent = 2}));
    const Bytes pixels = Loaded(dir / "t.gif");
    ASSERT_EQ(pixels.size(), 24u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pixels[4 * i + 3], indices[i] == 2 ? 0 : 255) << i;
}

TEST(Gif, BrokenFilesGiveTheirMessages) {
    const Bytes good = Gif(kW, kH, Indices(), Palette(), {.transparent = 3});
    const size_t descriptor = 13 + 768 + 8 + 7;  // after the header, table and two extensions
    ASSERT_EQ(good[descriptor], 0x2C);
    auto cut = [&](size_t size) { return Bytes(good.begin(), good.begin() + size); };

    // Files cut after so many bytes.
    const std::pair<size_t, const char*> cuts[] = {
        {12, "CG::Gif::LoadGif unable to read GIF header"},
        {13 + 700, "CG::Gif::Load unable to read the color table"},
        {13 + 768 + 4, "CG::Gif::Load unable to read the Graphic Control Extension"},
        {13 + 768 + 8 + 4, "CG::Gif::Load invalid GIF file"},
        {descriptor + 5, "CG::Gif:Load unable to read the Image Block"},
        {descriptor + 10, "CG::Gif::Load unable to read code size"},
        {descriptor + 11, "CG::Gif::Load unable to read compressed byte count"},
        {descriptor + 30, "CG::Gif:Load unable to read compressed data"}};
    for (auto [size, message] : cuts) EXPECT_EQ(MessageOf(cut(size)), message) << size;
    Bytes gif88 = good;
    gif88[4] = '8';
    EXPECT_EQ(MessageOf(gif88), "CG::Gif::Load invalid GIF file");
    Bytes broken = good;
    broken[descriptor + 12] = 0xFF;  // after the clear code, a code that names no colour
    broken[descriptor + 13] = 0xFF;
    EXPECT_EQ(MessageOf(broken), "CG::Gif:Load error while LZW uncompressing");

    // Minimum code sizes outside 2..8 do not exist.
    for (uint8_t codeSize : {0, 1, 9, 12}) {
        EXPECT_EQ(MessageOf(Gif(2, 2, {0, 1, 0, 1}, Palette(), {.codeSize = codeSize})),
                  "CG::Gif::Load the LZW code size must be eight")
            << int(codeSize);
    }

    // 60000 x 60000 in a file of about a hundred bytes.
    Bytes huge = Gif(2, 2, {0, 1, 2, 3}, Palette(), {.localTable = false});
    huge.erase(huge.begin() + 13, huge.begin() + 13 + 768);
    huge[10] = 0;
    for (size_t at : {size_t(6), size_t(13 + 7 + 5), size_t(13 + 7 + 7)}) {
        huge[at] = 0x60, huge[at + 1] = 0xEA;
    }
    EXPECT_LT(huge.size(), 100u);
    EXPECT_EQ(MessageOf(huge), "CG::Gif:Load unable to read compressed data");
}

TEST(Gif, EmptyImageIsReportedToTheLoaders) {
    TempDir dir;
    Bytes empty = Gif(1, 1, {0}, Palette());
    const size_t descriptor = 13 + 768 + 7;
    ASSERT_EQ(empty[descriptor], 0x2C);
    empty[descriptor + 5] = 0;  // width 0
    EXPECT_EQ(MessageOf(empty), "CG::Gif::LoadGif image is empty");
    Write(dir / "e.gif", empty);
    EXPECT_EQ(LoadMessage(dir / "e.gif"), "The image is empty");
    EXPECT_EQ(BitmapMessage(dir / "e.gif"), "The image is empty");
    EXPECT_EQ(LoadMessage(dir / "missing.gif"),
              "Unable to open file, the file does not exist or it is being used by another "
              "process");
}
