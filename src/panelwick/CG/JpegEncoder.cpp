#include "panelwick/CG/JpegEncoder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/JpegColourConverter.h"
#include "panelwick/CG/JpegMarkers.h"
#include "panelwick/CG/JpegTables.h"

namespace CG {

JpegEncoder::JpegEncoder(const JpegKernels& kernels) : kernels_(kernels) {
    dcLuminance_.Build(JpegTables::kDcLuminance);
    acLuminance_.Build(JpegTables::kAcLuminance);
    dcChrominance_.Build(JpegTables::kDcChrominance);
    acChrominance_.Build(JpegTables::kAcChrominance);
}

bool JpegEncoder::Encode(const DIBitmap& bitmap, int quality, Sys::Buffer& stream) {
    const int width = bitmap.width(), height = bitmap.height();
    const uint16_t bits = bitmap.bitsPerPixel();
    if (bitmap.empty() || bitmap.compression() != DIBitmap::kCompressionRGB || width < 1 ||
        height < 1) {
        return false;
    }
    // 24-bit rows are read where they lie: the same pixels as an RGB copy, one pass less.
    if (bits == 24) {
        const ptrdiff_t step =
            bitmap.bottomUp() ? -ptrdiff_t(bitmap.stride()) : ptrdiff_t(bitmap.stride());
        return EncodePicture({bitmap.Row(0), step, width, height, true}, true, quality, stream);
    }
    if (bits != 8 && bits != 32) return false;
    const size_t pixels = size_t(width) * size_t(height);
    if (pixels > rgbCapacity_) {
        rgb_.reset(new (std::nothrow) uint8_t[pixels * 3]);
        rgbCapacity_ = rgb_ ? pixels : 0;
        if (!rgb_) return false;
    }
    if (!bitmap.ExportRGB(rgb_.get())) return false;
    return EncodeRGB(rgb_.get(), width, height, true, quality, stream);
}

bool JpegEncoder::EncodeToFile(const DIBitmap& bitmap, const std::filesystem::path& file,
                               int quality) {
    writeError_ = 0;
    file_.Clear();
    if (!Encode(bitmap, quality, file_)) return false;
    errno = 0;
    if (file_.SaveToFile(file)) return true;
    writeError_ = errno;
    return false;
}

bool JpegEncoder::EncodeRGB(const uint8_t* rgb, int width, int height, bool colour, int quality,
                            Sys::Buffer& stream) {
    if (!rgb) return false;
    return EncodePicture({rgb, ptrdiff_t(width) * 3, width, height, false}, colour, quality,
                         stream);
}

bool JpegEncoder::EncodePicture(const Picture& picture, bool colour, int quality,
                                Sys::Buffer& stream) {
    // The frame header stores each size in 16 bits.
    if (picture.width < 1 || picture.height < 1 || picture.width > 65535 ||
        picture.height > 65535) {
        return false;
    }
    PrepareTables(std::clamp(quality, 1, 100));
    // Room for a typical picture up front; a refusal here shows again at the first write.
    (void)stream.Reserve(stream.size() + size_t(picture.width) * size_t(picture.height));
    if (!writer_.Begin(stream)) return false;
    JpegMarkers::WriteHeaders(writer_, picture.width, picture.height, colour, luminance_,
                              chrominance_);
    if (!(colour ? EncodeColour(picture) : EncodeGrey(picture))) return false;
    writer_.PadWithOnes();
    JpegMarkers::WriteEnd(writer_);
    return writer_.Drain();
}

void JpegEncoder::PrepareTables(int quality) {
    if (quality == tableQuality_) return;
    JpegTables::ScaleQuantTable(JpegTables::kLuminanceBase, quality, luminance_);
    JpegTables::ScaleQuantTable(JpegTables::kChrominanceBase, quality, chrominance_);
    JpegTables::ScaleDivisors(luminance_, luminanceDivisors_);
    JpegTables::ScaleDivisors(chrominance_, chrominanceDivisors_);
    tableQuality_ = quality;
}

// Macroblocks of 16 x 16 pixels, left to right, top to bottom: four Y blocks, Cb, Cr.
bool JpegEncoder::EncodeColour(const Picture& picture) {
    int dc[3] = {0, 0, 0};
    for (int y0 = 0; y0 < picture.height; y0 += 16) {
        for (int x0 = 0; x0 < picture.width; x0 += 16) {
            if (!writer_.MakeRoom()) return false;
            ptrdiff_t step = 0;
            const uint8_t* pixels = Square(picture, x0, y0, 16, step);
            kernels_.convertMacroblock(pixels, step, picture.bgr, blocks_[0]);
            for (int b = 0; b < 4; ++b) {
                CodeBlock(blocks_[b], luminanceDivisors_, dc[0], dcLuminance_, acLuminance_);
            }
            CodeBlock(blocks_[4], chrominanceDivisors_, dc[1], dcChrominance_, acChrominance_);
            CodeBlock(blocks_[5], chrominanceDivisors_, dc[2], dcChrominance_, acChrominance_);
        }
    }
    return true;
}

bool JpegEncoder::EncodeGrey(const Picture& picture) {
    int dc = 0;
    for (int y0 = 0; y0 < picture.height; y0 += 8) {
        for (int x0 = 0; x0 < picture.width; x0 += 8) {
            if (!writer_.MakeRoom()) return false;
            ptrdiff_t step = 0;
            const uint8_t* pixels = Square(picture, x0, y0, 8, step);
            JpegColourConverter::ConvertGreyBlock(pixels, step, picture.bgr, blocks_[0]);
            CodeBlock(blocks_[0], luminanceDivisors_, dc, dcLuminance_, acLuminance_);
        }
    }
    return true;
}

const uint8_t* JpegEncoder::Square(const Picture& picture, int x0, int y0, int size,
                                   ptrdiff_t& step) {
    if (x0 + size <= picture.width && y0 + size <= picture.height) {
        step = picture.step;
        return picture.top + picture.step * y0 + 3 * x0;
    }
    step = kTileStep;
    for (int y = 0; y < size; ++y) {
        const uint8_t* row = picture.top + picture.step * std::min(y0 + y, picture.height - 1);
        uint8_t* out = tile_ + y * kTileStep;
        for (int x = 0; x < size; ++x) {
            std::memcpy(out + 3 * x, row + 3 * std::min(x0 + x, picture.width - 1), 3);
        }
    }
    return tile_;
}

void JpegEncoder::CodeBlock(float* block, const float* divisors, int& dc,
                            const JpegHuffmanTable& dcTable, const JpegHuffmanTable& acTable) {
    kernels_.forwardDct(block);
    kernels_.quantize(block, divisors, zigzag_);
    kernels_.encodeBlock(zigzag_, dc, dcTable, acTable, writer_);
}

}  // namespace CG
