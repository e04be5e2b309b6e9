#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "panelwick/CG/JpegTables.h"

// The baseline JPEG rule written as plainly as possible: pixel by pixel, block by block, bit by
// bit. The encoder's paths must give exactly these bytes. It shares only the constant tables
// with the encoder (those are checked against libjpeg-turbo's own), none of its stages.
namespace JpegReference {

using CG::JpegTables::kChrominanceBase;
using CG::JpegTables::kLuminanceBase;
using CG::JpegTables::kZigzag;
using HuffmanDefinition = CG::JpegTables::HuffmanSpec;

struct Huffman {
    uint16_t code[256] = {};
    uint8_t length[256] = {};

    explicit Huffman(const HuffmanDefinition& definition) {
        int k = 0;
        uint16_t next = 0;
        for (int bits = 1; bits <= 16; ++bits) {
            for (int i = 0; i < definition.counts[bits - 1]; ++i, ++k) {
                code[definition.symbols[k]] = next++;
                length[definition.symbols[k]] = uint8_t(bits);
            }
            next = uint16_t(next << 1);
        }
    }
};

class Encoder {
public:
    // Packed RGB rows, top to bottom. An empty result means failure.
    std::vector<uint8_t> Encode(const uint8_t* rgb, int width, int height, bool colour,
                                int quality) {
        out_.clear();
        buffer_ = 0;
        count_ = 0;
        if (width < 1 || height < 1 || width > 65535 || height > 65535) return out_;
        rgb_ = rgb;
        width_ = width;
        height_ = height;
        quality = std::clamp(quality, 1, 100);
        const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
        uint8_t lum[64], chr[64];
        for (int i = 0; i < 64; ++i) {
            lum[i] = uint8_t(std::clamp((kLuminanceBase[kZigzag[i]] * scale + 50) / 100, 1, 255));
            chr[i] = uint8_t(std::clamp((kChrominanceBase[kZigzag[i]] * scale + 50) / 100, 1, 255));
        }
        Headers(lum, chr, colour);
        for (int i = 0; i < 64; ++i) {
            const int p = kZigzag[i];
            const double factor = 1.0 / (S(p / 8) * 8.0 * S(p % 8));
            lumDivisor_[p] = float(factor / lum[i]);
            chrDivisor_[p] = float(factor / chr[i]);
        }
        int dc[3] = {0, 0, 0};
        if (colour) {
            for (int y = 0; y < height; y += 16) {
                for (int x = 0; x < width; x += 16) Mcu(x, y, dc);
            }
        } else {
            for (int y = 0; y < height; y += 8) {
                for (int x = 0; x < width; x += 8) {
                    float block[64];
                    LumaBlock(x, y, block);
                    Block(block, lumDivisor_, dc[0], dcLum_, acLum_);
                }
            }
        }
        Bits(0x7F, 7);
        out_.push_back(0xFF);
        out_.push_back(0xD9);
        return out_;
    }

private:
    static double S(int k) { return k == 0 ? 1.0 : std::sqrt(2.0) * std::cos(k * std::numbers::pi / 16.0); }

    void Bytes(std::initializer_list<int> bytes) {
        for (int b : bytes) out_.push_back(uint8_t(b));
    }

    void Table(int classId, const HuffmanDefinition& definition) {
        out_.push_back(uint8_t(classId));
        out_.insert(out_.end(), definition.counts, definition.counts + 16);
        out_.insert(out_.end(), definition.symbols, definition.symbols + definition.symbolCount);
    }

    void Headers(const uint8_t* lum, const uint8_t* chr, bool colour) {
        Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
        Bytes({0xFF, 0xDB, 0, colour ? 0x84 : 0x43, 0});
        out_.insert(out_.end(), lum, lum + 64);
        if (colour) {
            out_.push_back(1);
            out_.insert(out_.end(), chr, chr + 64);
        }
        Bytes({0xFF, 0xC0, 0, colour ? 17 : 11, 8, height_ >> 8, height_ & 255, width_ >> 8,
               width_ & 255, colour ? 3 : 1});
        if (colour) {
            Bytes({1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
        } else {
            Bytes({1, 0x11, 0});
        }
        const int dhtLength = 2 + 17 + 12 + 17 + 162 + (colour ? 17 + 12 + 17 + 162 : 0);
        Bytes({0xFF, 0xC4, dhtLength >> 8, dhtLength & 255});
        Table(0x00, CG::JpegTables::kDcLuminance);
        Table(0x10, CG::JpegTables::kAcLuminance);
        if (colour) {
            Table(0x01, CG::JpegTables::kDcChrominance);
            Table(0x11, CG::JpegTables::kAcChrominance);
            Bytes({0xFF, 0xDA, 0, 12, 3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0});
        } else {
            Bytes({0xFF, 0xDA, 0, 8, 1, 1, 0x00, 0, 63, 0});
        }
    }

    // One pixel with edge repetition.
    const uint8_t* Pixel(int x, int y) const {
        x = std::min(x, width_ - 1);
        y = std::min(y, height_ - 1);
        return rgb_ + (size_t(y) * width_ + x) * 3;
    }

    void LumaBlock(int x0, int y0, float* block) const {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const uint8_t* p = Pixel(x0 + x, y0 + y);
                block[y * 8 + x] = 0.299f * p[0] + 0.587f * p[1] + 0.114f * p[2] - 128.0f;
            }
        }
    }

    void Mcu(int x0, int y0, int* dc) {
        float block[64];
        for (int b = 0; b < 4; ++b) {
            LumaBlock(x0 + (b & 1) * 8, y0 + (b >> 1) * 8, block);
            Block(block, lumDivisor_, dc[0], dcLum_, acLum_);
        }
        float cb[64], cr[64];
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                int r = 0, g = 0, b = 0;
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        const uint8_t* p = Pixel(x0 + 2 * x + dx, y0 + 2 * y + dy);
                        r += p[0];
                        g += p[1];
                        b += p[2];
                    }
                }
                const float fr = float(r), fg = float(g), fb = float(b);
                cb[y * 8 + x] = (-0.168736f * fr + -0.331264f * fg + 0.5f * fb) * 0.25f;
                cr[y * 8 + x] = (0.5f * fr - 0.418688f * fg - 0.081312f * fb) * 0.25f;
            }
        }
        Block(cb, chrDivisor_, dc[1], dcChr_, acChr_);
        Block(cr, chrDivisor_, dc[2], dcChr_, acChr_);
    }

    // The AAN butterflies on 8 values spaced `step` apart.
    static void Aan(float* d, int step) {
        float* v[8];
        for (int i = 0; i < 8; ++i) v[i] = d + i * step;
        const float tmp0 = *v[0] + *v[7], tmp7 = *v[0] - *v[7];
        const float tmp1 = *v[1] + *v[6], tmp6 = *v[1] - *v[6];
        const float tmp2 = *v[2] + *v[5], tmp5 = *v[2] - *v[5];
        const float tmp3 = *v[3] + *v[4], tmp4 = *v[3] - *v[4];
        float tmp10 = tmp0 + tmp3, tmp13 = tmp0 - tmp3;
        float tmp11 = tmp1 + tmp2, tmp12 = tmp1 - tmp2;
        *v[0] = tmp10 + tmp11;
        *v[4] = tmp10 - tmp11;
        const float z1 = (tmp12 + tmp13) * 0.707106781f;
        *v[2] = tmp13 + z1;
        *v[6] = tmp13 - z1;
        tmp10 = tmp4 + tmp5;
        tmp11 = tmp5 + tmp6;
        tmp12 = tmp6 + tmp7;
        const float z5 = (tmp10 - tmp12) * 0.382683433f;
        const float z2 = 0.541196100f * tmp10 + z5;
        const float z4 = 1.306562965f * tmp12 + z5;
        const float z3 = tmp11 * 0.707106781f;
        const float z11 = tmp7 + z3, z13 = tmp7 - z3;
        *v[5] = z13 + z2;
        *v[3] = z13 - z2;
        *v[1] = z11 + z4;
        *v[7] = z11 - z4;
    }

    void Block(float* block, const float* divisor, int& dc, const Huffman& dcTable,
               const Huffman& acTable) {
        for (int row = 0; row < 8; ++row) Aan(block + row * 8, 1);
        for (int column = 0; column < 8; ++column) Aan(block + column, 8);
        int q[64];
        for (int p = 0; p < 64; ++p) {
            const float v = block[p] * divisor[p];
            q[p] = int(v >= 0 ? v + 0.5f : v - 0.5f);
        }
        const int16_t diff = int16_t(q[0] - dc);
        dc = q[0];
        Value(diff, dcTable, 0);
        int last = 63;
        while (last > 0 && q[kZigzag[last]] == 0) --last;
        int run = 0;
        for (int i = 1; i <= last; ++i) {
            const int v = q[kZigzag[i]];
            if (v == 0) {
                if (++run == 16) {
                    Bits(acTable.code[0xF0], acTable.length[0xF0]);
                    run = 0;
                }
                continue;
            }
            Value(v, acTable, run);
            run = 0;
        }
        if (last < 63) Bits(acTable.code[0x00], acTable.length[0x00]);
    }

    // The code for (run, bit length of v), then v's extra bits.
    void Value(int v, const Huffman& table, int run) {
        const int magnitude = v < 0 ? -v : v;
        int n = 0;
        while ((magnitude >> n) != 0) ++n;
        const int symbol = run * 16 + n;
        Bits(table.code[symbol], table.length[symbol]);
        if (n > 0) Bits(uint32_t(v > 0 ? v : (1 << n) - 1 - magnitude), n);
    }

    void Bits(uint32_t code, int n) {
        buffer_ = (buffer_ << n) | code;
        count_ += n;
        while (count_ >= 8) {
            const uint8_t byte = uint8_t(buffer_ >> (count_ - 8));
            out_.push_back(byte);
            if (byte == 0xFF) out_.push_back(0x00);
            count_ -= 8;
        }
    }

    const uint8_t* rgb_ = nullptr;
    int width_ = 0, height_ = 0;
    float lumDivisor_[64] = {}, chrDivisor_[64] = {};
    Huffman dcLum_{CG::JpegTables::kDcLuminance}, acLum_{CG::JpegTables::kAcLuminance};
    Huffman dcChr_{CG::JpegTables::kDcChrominance}, acChr_{CG::JpegTables::kAcChrominance};
    std::vector<uint8_t> out_;
    uint32_t buffer_ = 0;
    int count_ = 0;
};

}  // namespace JpegReference
