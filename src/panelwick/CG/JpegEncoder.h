#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "panelwick/CG/JpegBitWriter.h"
#include "panelwick/CG/JpegHuffmanTable.h"
#include "panelwick/CG/JpegKernels.h"
#include "panelwick/Sys/Buffer.h"

namespace CG {

class DIBitmap;

// A baseline JFIF 1.01 encoder: YCbCr with chroma halved in both directions, the typical
// quantization tables scaled by quality, the typical Huffman tables, a single-precision float
// DCT, no restart intervals. One object per thread; it keeps its tables and scratch memory from
// picture to picture, so encoding pictures of one size allocates nothing after the first.
class JpegEncoder {
public:
    explicit JpegEncoder(const JpegKernels& kernels = JpegKernels::Fastest());

    // Appends the JPG of a bitmap (8, 24 or 32 bits per pixel, uncompressed) to the stream.
    // Quality 1 to 100; more counts as 100 (and less as 1). False when the bitmap cannot be
    // read as RGB, its size is not 1 to 65535 pixels each way, or the stream refuses a write;
    // what was written stays in the stream.
    bool Encode(const DIBitmap& bitmap, int quality, Sys::Buffer& stream);
    // Encodes into the encoder's own file buffer, then saves it to the file. False when the
    // bitmap cannot be encoded or the file cannot be written; see writeError.
    bool EncodeToFile(const DIBitmap& bitmap, const std::filesystem::path& file, int quality);
    // The encoder proper: packed RGB, 3 bytes per pixel, rows top to bottom. Without `colour`
    // the picture is coded as grey (luminance only).
    bool EncodeRGB(const uint8_t* rgb, int width, int height, bool colour, int quality,
                   Sys::Buffer& stream);

    const JpegKernels& kernels() const { return kernels_; }
    // The system's error number (errno) of the last EncodeToFile when the file could not be
    // created or written; 0 when it did not fail there.
    int writeError() const { return writeError_; }

private:
    // Rows of 3-byte pixels, `step` bytes apart from the visually top row down.
    struct Picture {
        const uint8_t* top;
        ptrdiff_t step;
        int width, height;
        bool bgr;
    };

    bool EncodePicture(const Picture& picture, bool colour, int quality, Sys::Buffer& stream);
    void PrepareTables(int quality);
    bool EncodeColour(const Picture& picture);
    bool EncodeGrey(const Picture& picture);
    // The square of pixels at (x0, y0): in the picture itself when it lies inside, else copied
    // with the last column and row repeated beyond the edges. Sets the step between its rows.
    const uint8_t* Square(const Picture& picture, int x0, int y0, int size, ptrdiff_t& step);
    void CodeBlock(float* block, const float* divisors, int& dc, const JpegHuffmanTable& dcTable,
                   const JpegHuffmanTable& acTable);

    static constexpr int kTileStep = 16 * 3;

    const JpegKernels& kernels_;
    int tableQuality_ = 0;
    uint8_t luminance_[64] = {}, chrominance_[64] = {};  // zigzag order, as written
    alignas(32) float luminanceDivisors_[64] = {};       // natural order
    alignas(32) float chrominanceDivisors_[64] = {};
    JpegHuffmanTable dcLuminance_, acLuminance_, dcChrominance_, acChrominance_;
    JpegBitWriter writer_;
    std::unique_ptr<uint8_t[]> rgb_;  // bitmaps that are not 24-bit, as packed RGB
    size_t rgbCapacity_ = 0;          // in pixels; grows, never shrinks
    alignas(32) float blocks_[6][64] = {};
    alignas(32) int16_t zigzag_[64] = {};
    uint8_t tile_[16 * kTileStep] = {};
    Sys::Buffer file_;  // EncodeToFile's JPG; keeps its capacity from picture to picture
    int writeError_ = 0;
};

}  // namespace CG
