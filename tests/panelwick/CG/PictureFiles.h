#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panelwick/CG/ImageRGBA.h"

// Small picture files written byte by byte or with ffmpeg, for the loader tests.
namespace PictureFiles {

using Bytes = std::vector<uint8_t>;

void Write(const std::string& path, const Bytes& bytes);
Bytes Read(const std::string& path);
// Runs ffmpeg -v error -y with the arguments; false when it fails.
bool Ffmpeg(const std::vector<std::string>& args);
// RGB or RGBA bytes written as a PNG by ffmpeg.
bool FfmpegPng(const std::string& path, const Bytes& pixels, int width, int height, bool alpha);
// What ffmpeg decodes a file to, as RGBA; several files in one run (nothing when it fails).
Bytes FfmpegRgba(const std::string& path);
std::vector<Bytes> FfmpegRgba(const std::vector<std::string>& paths);
// The picture loader's pixels of a file; empty when it fails.
Bytes Loaded(const std::string& path);
Bytes Pixels(const CG::ImageRGBA& image);
// What the picture loader and the bitmap loader say about a file.
std::string LoadMessage(const std::string& path);
std::string BitmapMessage(const std::string& path);

// The signature and header chunk of an 8-bit grey PNG, with the chunk's check sum; inline for
// the allocation test, which is a program of its own.
inline Bytes PngHeader(uint32_t width, uint32_t height) {
    Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (uint32_t v : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) b.push_back(uint8_t(v >> shift));
    }
    b.insert(b.end(), {8, 0, 0, 0, 0});
    uint32_t c = 0xFFFFFFFF;
    for (size_t i = 12; i < b.size(); ++i) {
        c ^= b[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(uint8_t(~c >> shift));
    return b;
}

struct GifOptions {
    bool interlaced = false;
    int transparent = -1;     // a Graphic Control Extension with this index
    bool localTable = false;  // the colour table after the image descriptor
    uint8_t codeSize = 8;     // the LZW minimum code size
    int tableSize = 256;      // colour table entries, a power of two from 2 to 256
    int screenWidth = 0;      // the logical screen; 0: the image's size
    int screenHeight = 0;
    int left = 0, top = 0;   // where the image lies on the screen
    uint8_t background = 0;  // the screen's background index
};
// A GIF of one image whose indices (rows top to bottom) are LZW-compressed as an encoder does it.
Bytes Gif(int width, int height, const Bytes& indices, const Bytes& paletteRgb,
          const GifOptions& options = {});
// GIF LZW of indices below 2^codeSize: codes growing from codeSize + 1 to 12 bits, a clear code
// first and whenever the table is full, the end code last; not yet in sub-blocks.
Bytes Lzw(const Bytes& indices, int codeSize);

struct BmpOptions {
    int bits = 24;
    uint32_t compression = 0;
    bool topDown = false;
    bool core = false;
    // Red, green, blue and maybe alpha: after a 40-byte header for compression 3 and 6, in the
    // header when it is longer.
    std::vector<uint32_t> masks;
    Bytes paletteRgb;     // for 1 to 8 bits
    int headerSize = 40;  // 40, 56, 108 or 124 (12 with core)
};
// A BMP of a picture given as palette indices (1 to 8 bits), RGB (16 to 32 bits, packed through
// the masks or as blue, green, red) or RGBA (four masks), rows top to bottom. RLE8 and RLE4 mix
// repeated and literal runs.
Bytes Bmp(int width, int height, const Bytes& pixels, const BmpOptions& options);

}  // namespace PictureFiles
