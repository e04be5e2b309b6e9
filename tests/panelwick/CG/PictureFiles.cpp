#include "PictureFiles.h"

#include <bit>
#include <fstream>
#include <iterator>
#include <map>

#include "panelwick/CG/BitmapLoader.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/PictureLoader.h"
#include "support/RunCommand.h"

namespace PictureFiles {
namespace {

void U16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void U32(Bytes& b, uint32_t v) {
    U16(b, v & 0xFFFF);
    U16(b, v >> 16);
}

// Data sub-blocks of at most 255 bytes and the empty block that ends them.
Bytes SubBlocks(const Bytes& data) {
    Bytes blocks;
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t n = std::min<size_t>(255, data.size() - at);
        blocks.push_back(uint8_t(n));
        blocks.insert(blocks.end(), data.begin() + at, data.begin() + at + n);
    }
    blocks.push_back(0);
    return blocks;
}

void PutPalette(Bytes& b, const Bytes& rgb, size_t entries, bool core) {
    for (size_t i = 0; i < entries; ++i) {
        const bool given = 3 * i + 2 < rgb.size();
        b.push_back(given ? rgb[3 * i + 2] : 0);
        b.push_back(given ? rgb[3 * i + 1] : 0);
        b.push_back(given ? rgb[3 * i] : 0);
        if (!core) b.push_back(0);
    }
}

// Channels scaled to their fields, rounded.
uint32_t Pack(const uint8_t* channels, const std::vector<uint32_t>& masks) {
    uint32_t v = 0;
    for (size_t c = 0; c < masks.size(); ++c) {
        const int shift = std::countr_zero(masks[c]);
        const uint64_t field = masks[c] >> shift;
        v |= uint32_t((channels[c] * field + 127) / 255) << shift;
    }
    return v;
}

// One row of uncompressed pixels, padded to 4 bytes.
Bytes PackedRow(const uint8_t* p, int width, const BmpOptions& o) {
    Bytes row;
    for (int x = 0; x < width; ++x) {
        if (o.bits <= 8) {
            const int perByte = 8 / o.bits;
            if (x % perByte == 0) row.push_back(0);
            row.back() |= uint8_t(p[x] << (8 - o.bits * (x % perByte + 1)));
        } else if (o.bits == 24 || (o.bits == 32 && o.masks.empty())) {
            row.insert(row.end(), {p[3 * x + 2], p[3 * x + 1], p[3 * x]});
            if (o.bits == 32) row.push_back(0);
        } else {
            const uint32_t v = Pack(p + o.masks.size() * x, o.masks);
            o.bits == 16 ? U16(row, v) : U32(row, v);
        }
    }
    while (row.size() % 4) row.push_back(0);
    return row;
}

// A literal run of the first pixels, then repeated runs; RLE4 repeats each index in both
// nibbles.
Bytes RleRow(const uint8_t* p, int width, bool fourBits) {
    Bytes row;
    int x = std::min(width, fourBits ? 5 : 3);
    if (x >= 3) {
        row.insert(row.end(), {0, uint8_t(x)});
        if (fourBits) {
            for (int i = 0; i < x; i += 2) {
                row.push_back(uint8_t(p[i] << 4 | (i + 1 < x ? p[i + 1] : 0)));
            }
        } else {
            row.insert(row.end(), p, p + x);
        }
        if (row.size() % 2) row.push_back(0);
    } else {
        x = 0;
    }
    while (x < width) {
        int n = 1;
        while (x + n < width && n < 255 && p[x + n] == p[x]) ++n;
        row.insert(row.end(), {uint8_t(n), uint8_t(fourBits ? (p[x] << 4 | p[x]) : p[x])});
        x += n;
    }
    return row;
}

}  // namespace

void Write(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

bool Ffmpeg(const std::vector<std::string>& args) {
    std::vector<std::string> command = {"ffmpeg", "-v", "error", "-y"};
    command.insert(command.end(), args.begin(), args.end());
    return RunCommand(command).status == 0;
}

bool FfmpegPng(const std::string& path, const Bytes& pixels, int width, int height, bool alpha) {
    const std::string raw = path + ".raw";
    Write(raw, pixels);
    return Ffmpeg({"-f", "rawvideo", "-pix_fmt", alpha ? "rgba" : "rgb24", "-s",
                   std::to_string(width) + "x" + std::to_string(height), "-i", raw, path});
}

Bytes FfmpegRgba(const std::string& path) {
    const std::vector<Bytes> pictures = FfmpegRgba(std::vector<std::string>{path});
    return pictures.empty() ? Bytes() : pictures[0];
}

std::vector<Bytes> FfmpegRgba(const std::vector<std::string>& paths) {
    std::vector<std::string> args;
    for (const std::string& path : paths) args.insert(args.end(), {"-i", path});
    for (size_t i = 0; i < paths.size(); ++i) {
        args.insert(args.end(), {"-map", std::to_string(i), "-f", "rawvideo", "-pix_fmt", "rgba",
                                 paths[i] + ".rgba"});
    }
    std::vector<Bytes> pictures;
    if (!Ffmpeg(args)) return pictures;
    for (const std::string& path : paths) pictures.push_back(Read(path + ".rgba"));
    return pictures;
}

Bytes Pixels(const CG::ImageRGBA& image) {
    return Bytes(image.pixels(), image.pixels() + image.byteCount());
}

Bytes Loaded(const std::string& path) {
    CG::ImageRGBA image;
    if (CG::LoadPicture(image, path).failed()) return {};
    return Pixels(image);
}

std::string LoadMessage(const std::string& path) {
    CG::ImageRGBA image;
    return CG::LoadPicture(image, path).message();
}

std::string BitmapMessage(const std::string& path) {
    CG::DIBitmap bitmap;
    return CG::LoadBitmap(bitmap, path).message();
}

Bytes Lzw(const Bytes& indices, int codeSize) {
    const uint32_t clear = 1u << codeSize;
    Bytes packed;
    uint32_t bits = 0, count = 0, width = codeSize + 1, next = clear + 2;
    auto put = [&](uint32_t code) {
        bits |= code << count;
        for (count += width; count >= 8; count -= 8, bits >>= 8) packed.push_back(uint8_t(bits));
    };
    // The decoder defines each entry one code later than the encoder, so codes widen once the
    // next free code passes 2^width.
    auto define = [&] {
        ++next;
        if (next > (1u << width) && width < 12) ++width;
    };
    std::map<std::pair<uint32_t, uint8_t>, uint32_t> table;
    put(clear);
    int64_t prefix = -1;
    for (uint8_t k : indices) {
        if (prefix < 0) {
            prefix = k;
            continue;
        }
        const auto found = table.find({uint32_t(prefix), k});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        put(uint32_t(prefix));
        table[{uint32_t(prefix), k}] = next;
        define();
        if (next == 4096) {
            put(clear);
            table.clear();
            next = clear + 2;
            width = codeSize + 1;
        }
        prefix = k;
    }
    if (prefix >= 0) {
        put(uint32_t(prefix));
        define();
    }
    put(clear + 1);
    if (count > 0) packed.push_back(uint8_t(bits));
    return packed;
}

Bytes Gif(int width, int height, const Bytes& indices, const Bytes& paletteRgb,
          const GifOptions& o) {
    Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
    U16(b, uint32_t(o.screenWidth ? o.screenWidth : width));
    U16(b, uint32_t(o.screenHeight ? o.screenHeight : height));
    const uint8_t tableBits = uint8_t(std::bit_width(unsigned(o.tableSize)) - 2);
    b.insert(b.end(), {uint8_t(o.localTable ? tableBits : 0xF0 | tableBits), o.background, 0});
    Bytes table = paletteRgb;
    table.resize(size_t(3 * o.tableSize), 0);
    if (!o.localTable) b.insert(b.end(), table.begin(), table.end());
    if (o.transparent >= 0) b.insert(b.end(), {0x21, 0xF9, 4, 1, 0, 0, uint8_t(o.transparent), 0});
    b.insert(b.end(), {0x21, 0xFE, 3, 'h', 'i', '!', 0});  // a comment to skip
    b.push_back(0x2C);
    U16(b, uint32_t(o.left));
    U16(b, uint32_t(o.top));
    U16(b, uint32_t(width));
    U16(b, uint32_t(height));
    b.push_back(uint8_t((o.localTable ? 0x80 | tableBits : 0) | (o.interlaced ? 0x40 : 0)));
    if (o.localTable) b.insert(b.end(), table.begin(), table.end());
    b.push_back(o.codeSize);
    Bytes ordered;
    static constexpr int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < (o.interlaced ? 4 : 1); ++pass) {
        for (int y = o.interlaced ? kStart[pass] : 0; y < height;
             y += o.interlaced ? kStep[pass] : 1) {
            ordered.insert(ordered.end(), indices.begin() + y * width,
                           indices.begin() + (y + 1) * width);
        }
    }
    const Bytes data = SubBlocks(Lzw(ordered, std::max<int>(o.codeSize, 2)));
    b.insert(b.end(), data.begin(), data.end());
    b.push_back(0x3B);
    return b;
}

Bytes Bmp(int width, int height, const Bytes& pixels, const BmpOptions& o) {
    const size_t entries = o.bits <= 8 ? size_t(1) << o.bits : 0;
    const size_t headerSize = o.core ? 12 : size_t(o.headerSize);
    const bool bitFields = o.compression == 3 || o.compression == 6;
    const bool masksAfter = bitFields && headerSize == 40;
    const size_t tableBytes = entries * (o.core ? 3 : 4) + (masksAfter ? 4 * o.masks.size() : 0);
    const size_t channels = o.bits <= 8 ? 1 : o.masks.size() == 4 ? 4 : 3;
    Bytes data;
    for (int i = 0; i < height; ++i) {
        const int y = o.topDown ? i : height - 1 - i;
        const uint8_t* p = pixels.data() + size_t(y) * width * channels;
        Bytes row = o.compression == 1 || o.compression == 2 ? RleRow(p, width, o.compression == 2)
                                                             : PackedRow(p, width, o);
        data.insert(data.end(), row.begin(), row.end());
        if (o.compression == 1 || o.compression == 2) data.insert(data.end(), {0, 0});
    }
    if (o.compression == 1 || o.compression == 2) data.insert(data.end(), {0, 1});

    Bytes b = {'B', 'M'};
    U32(b, uint32_t(14 + headerSize + tableBytes + data.size()));
    U32(b, 0);
    U32(b, uint32_t(14 + headerSize + tableBytes));
    U32(b, uint32_t(headerSize));
    if (o.core) {
        for (int v : {width, height, 1, o.bits}) U16(b, uint32_t(v));
    } else {
        U32(b, uint32_t(width));
        U32(b, uint32_t(o.topDown ? -height : height));
        U16(b, 1);
        U16(b, uint32_t(o.bits));
        for (uint32_t v : {o.compression, uint32_t(data.size()), 2835u, 2835u, 0u, 0u}) U32(b, v);
    }
    if (bitFields) {
        for (uint32_t m : o.masks) U32(b, m);
    }
    b.resize(14 + headerSize + (masksAfter ? 4 * o.masks.size() : 0), 0);
    PutPalette(b, o.paletteRgb, entries, o.core);
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

}  // namespace PictureFiles
