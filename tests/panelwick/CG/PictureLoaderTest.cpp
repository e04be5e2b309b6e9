#include <filesystem>
#include <thread>

#include <gtest/gtest.h>
#include <png.h>
#include <turbojpeg.h>

#include "JpegEncoder/JpegFiles.h"
#include "PictureFiles.h"
#include "panelwick/CG/BitmapLoader.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "support/TempDir.h"

using namespace PictureFiles;
using JpegFiles::TurboEncode;

namespace {

struct PngSpec {
    int width, height, colourType, depth;
    Bytes rows;  // packed as the file stores them
    std::vector<png_color> palette;
    Bytes transparency;
};

void WritePng(const std::string& path, const PngSpec& s) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, s.width, s.height, s.depth, s.colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!s.palette.empty()) png_set_PLTE(png, info, s.palette.data(), int(s.palette.size()));
    if (!s.transparency.empty()) {
        png_set_tRNS(png, info, s.transparency.data(), int(s.transparency.size()), nullptr);
    }
    png_write_info(png, info);
    const size_t rowBytes = s.rows.size() / s.height;
    for (int y = 0; y < s.height; ++y) {
        png_write_row(png, const_cast<uint8_t*>(s.rows.data() + y * rowBytes));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    fclose(f);
}

}  // namespace

TEST(PictureLoader, ExtensionsChooseTheDecoder) {
    TempDir dir;
    const std::string sample = std::string(REELWORK_SOURCE_DIR) + "/resources/sample.jpg";
    std::filesystem::copy_file(sample, dir / "CAPITALS.JPG");
    std::filesystem::copy_file(sample, dir / "a.tif");
    CG::ImageRGBA image;
    ASSERT_TRUE(CG::LoadPicture(image, dir / "CAPITALS.JPG").ok());
    EXPECT_EQ(image.width(), 480u);
    EXPECT_EQ(image.height(), 320u);

    // A dot in a folder's name is not an extension.
    std::filesystem::create_directory(dir / "a.b");
    for (const char* name :
         {"noextension", "trailingdot.", "a.sixteencharacter", "a.b/noextension"}) {
        std::filesystem::copy_file(sample, dir / name);
        EXPECT_EQ(LoadMessage(dir / name), "Unrecognized file") << name;
        EXPECT_EQ(BitmapMessage(dir / name), "Unrecognized file") << name;
    }
    EXPECT_EQ(LoadMessage(dir / "a.tif"), "The file must be JPG, PNG, GIF of BMP");
    EXPECT_EQ(BitmapMessage(dir / "a.tif"), "The file must be BMP, GIF, JPG or PNG");
    EXPECT_EQ(LoadMessage(dir / "missing.png"), "Error reading the file");
    EXPECT_EQ(BitmapMessage(dir / "missing.jpeg"), "Error reading the file");
    // The content decides, as with the system imaging component: a JPG named .png loads.
    std::filesystem::copy_file(sample, dir / "really-a-jpg.png");
    EXPECT_TRUE(CG::LoadPicture(image, dir / "really-a-jpg.png").ok());
    Write(dir / "text.png", Bytes{'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(CG::LoadPicture(image, dir / "text.png").message(), "Error reading the file");
    EXPECT_TRUE(image.empty());
}

TEST(PictureLoader, PngKeepsAlphaAndJpgIsOpaque) {
    TempDir dir;
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "color=c=red@0.5:s=16x8,format=rgba", "-frames:v", "1",
                        dir / "half.png"}));
    ASSERT_TRUE(
        Ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=64x48", "-frames:v", "1", dir / "photo.jpg"}));
    Bytes half = Loaded(dir / "half.png");
    ASSERT_EQ(half.size(), 16u * 8 * 4);
    EXPECT_EQ(half[0], 255);
    EXPECT_NEAR(half[3], 128, 1);
    Bytes photo = Loaded(dir / "photo.jpg");
    ASSERT_EQ(photo.size(), 64u * 48 * 4);
    for (size_t i = 3; i < photo.size(); i += 4) ASSERT_EQ(photo[i], 255);

    // The bitmap loader: 24 bits for an opaque picture, 32 with its alpha otherwise.
    CG::DIBitmap bitmap;
    ASSERT_TRUE(CG::LoadBitmap(bitmap, dir / "photo.jpg").ok());
    EXPECT_EQ(bitmap.bitsPerPixel(), 24);
    ASSERT_TRUE(CG::LoadBitmap(bitmap, dir / "half.png").ok());
    EXPECT_EQ(bitmap.bitsPerPixel(), 32);
    EXPECT_NEAR(bitmap.Row(0)[3], 128, 1);
    EXPECT_EQ(bitmap.Row(0)[2], 255);  // red, stored blue first
}

TEST(PictureLoader, PngsOfEveryKindGiveTheirTruePixels) {
    TempDir dir;
    struct Case {
        const char* name;
        PngSpec layout;
        Bytes expected;  // RGBA of the two pixels
    };
    const Case cases[] = {
        {"palette with tRNS",
         {2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, {{10, 20, 30}, {40, 50, 60}}, {0}},
         {10, 20, 30, 0, 40, 50, 60, 255}},
        {"2-bit palette",
         {2, 1, PNG_COLOR_TYPE_PALETTE, 2, {0x40}, {{1, 2, 3}, {4, 5, 6}}},
         {4, 5, 6, 255, 1, 2, 3, 255}},
        {"1-bit grey", {2, 1, PNG_COLOR_TYPE_GRAY, 1, {0x80}}, {255, 255, 255, 255, 0, 0, 0, 255}},
        {"grey", {2, 1, PNG_COLOR_TYPE_GRAY, 8, {7, 200}}, {7, 7, 7, 255, 200, 200, 200, 255}},
        {"grey and alpha",
         {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {7, 9, 200, 255}},
         {7, 7, 7, 9, 200, 200, 200, 255}},
        {"16-bit RGB",
         {2, 1, PNG_COLOR_TYPE_RGB, 16, {255, 255, 0, 0, 128, 128, 0, 0, 0, 0, 255, 255}},
         {255, 0, 128, 255, 0, 0, 255, 255}},
        {"16-bit grey",
         {2, 1, PNG_COLOR_TYPE_GRAY, 16, {0x12, 0x34, 0xFF, 0xFF}},
         {0x12, 0x12, 0x12, 255, 255, 255, 255, 255}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WritePng(dir / "x.png", c.layout);
        EXPECT_EQ(Loaded(dir / "x.png"), c.expected);
    }
}

TEST(PictureLoader, GreyAndCmykJpgsGiveTheirColours) {
    TempDir dir;
    Write(dir / "grey.jpg", TurboEncode(Bytes(64, 90), 8, 8, 100, TJPF_GRAY, TJSAMP_GRAY));
    Bytes grey = Loaded(dir / "grey.jpg");
    ASSERT_EQ(grey.size(), 64u * 4);
    EXPECT_NEAR(grey[0], 90, 1);
    EXPECT_EQ(grey[0], grey[1]);
    EXPECT_EQ(grey[3], 255);

    // Orange in inverted CMYK: C, M, Y, K stored as 255 minus the ink.
    Bytes cmyk;
    for (int i = 0; i < 64; ++i) cmyk.insert(cmyk.end(), {255, 127, 0, 255});
    Write(dir / "cmyk.jpg", TurboEncode(cmyk, 8, 8, 100, TJPF_CMYK, TJSAMP_444));
    Bytes orange = Loaded(dir / "cmyk.jpg");
    ASSERT_EQ(orange.size(), 64u * 4);
    EXPECT_NEAR(orange[0], 255, 2);
    EXPECT_NEAR(orange[1], 127, 2);
    EXPECT_NEAR(orange[2], 0, 2);
    EXPECT_EQ(orange[3], 255);
}

TEST(PictureLoader, HostileAndTruncatedFilesAreRefused) {
    TempDir dir;
    // Headers claiming 60000 x 60000 in small files.
    WritePng(dir / "small.png", {2, 1, PNG_COLOR_TYPE_GRAY, 8, {1, 2}});
    Bytes png = Read(dir / "small.png");
    ASSERT_LT(png.size(), 100u);
    const Bytes header = PngHeader(60000, 60000);  // only the size is wrong
    std::copy(header.begin(), header.end(), png.begin());
    Write(dir / "huge.png", png);
    EXPECT_EQ(LoadMessage(dir / "huge.png"), "Out of memory");

    Bytes jpg = TurboEncode(Bytes(64, 90), 8, 8, 100, TJPF_GRAY, TJSAMP_GRAY);
    for (size_t i = 0; i + 8 < jpg.size(); ++i) {
        if (jpg[i] == 0xFF && jpg[i + 1] == 0xC0) {  // start of frame: height, width at +5
            jpg[i + 5] = jpg[i + 7] = 0xEA;
            jpg[i + 6] = jpg[i + 8] = 0x60;
            break;
        }
    }
    Write(dir / "huge.jpg", jpg);
    EXPECT_EQ(LoadMessage(dir / "huge.jpg"), "Out of memory");

    ASSERT_TRUE(
        Ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=64x48", "-frames:v", "1", dir / "photo.png"}));
    const Bytes full = Read(dir / "photo.png");
    Write(dir / "cut.png", Bytes(full.begin(), full.begin() + full.size() / 2));
    EXPECT_EQ(LoadMessage(dir / "cut.png"), "bitmapFrameDecode.CopyPixels");
    Write(dir / "head.png", Bytes(full.begin(), full.begin() + 20));
    EXPECT_EQ(LoadMessage(dir / "head.png"), "Error reading the file");
}

TEST(PictureLoader, ThreadsLoadAtTheSameTime) {
    TempDir dir;
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=96x64", "-frames:v", "1", dir / "a.png"}));
    ASSERT_TRUE(Ffmpeg({"-i", dir / "a.png", dir / "a.jpg"}));
    ASSERT_TRUE(Ffmpeg({"-i", dir / "a.png", "-pix_fmt", "pal8", dir / "a.gif"}));
    ASSERT_TRUE(Ffmpeg({"-i", dir / "a.png", "-pix_fmt", "bgr24", dir / "a.bmp"}));
    const std::vector<std::string> files = {dir / "a.png", dir / "a.jpg", dir / "a.gif",
                                            dir / "a.bmp"};
    std::vector<Bytes> expected;
    for (const std::string& f : files) expected.push_back(Loaded(f));
    std::vector<int> mismatches(4, 0);
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&, t] {
                CG::ImageRGBA image;  // reused, as a rendering worker reuses its video picture
                for (int round = 0; round < 20; ++round) {
                    const size_t k = size_t(t + round) % files.size();
                    if (CG::LoadPicture(image, files[k]).failed() || Pixels(image) != expected[k]) {
                        ++mismatches[t];
                    }
                }
            });
        }
    }
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}
