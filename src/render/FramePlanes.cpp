#include "render/FramePlanes.h"

#include <algorithm>
#include <cstring>

FramePlanes::FramePlanes(const CG::JpegKernels& kernels)
    : kernels_(kernels),
      store_(&kernels == &CG::JpegKernels::Avx2() ? StoreMacroblockAvx2 : StoreMacroblockPlain) {}

size_t FramePlanes::Size(int width, int height) {
    const size_t luma = size_t(width) * size_t(height);
    const size_t chroma = size_t((width + 1) / 2) * size_t((height + 1) / 2);
    return luma + 2 * chroma;
}

bool FramePlanes::Convert(const CG::DIBitmap& frame, uint8_t* out) {
    const int width = frame.width(), height = frame.height();
    if (frame.empty() || frame.bitsPerPixel() != 24 || width < 1 || height < 1) return false;
    const ptrdiff_t step =
        frame.bottomUp() ? -ptrdiff_t(frame.stride()) : ptrdiff_t(frame.stride());
    const uint8_t* top = frame.Row(0);
    const int chromaWidth = (width + 1) / 2, chromaHeight = (height + 1) / 2;
    uint8_t* luma = out;
    uint8_t* cb = out + size_t(width) * size_t(height);
    uint8_t* cr = cb + size_t(chromaWidth) * size_t(chromaHeight);
    for (int y0 = 0; y0 < height; y0 += 16) {
        for (int x0 = 0; x0 < width; x0 += 16) {
            ptrdiff_t squareStep = 0;
            const uint8_t* square = Square(top, step, width, height, x0, y0, squareStep);
            kernels_.convertMacroblock(square, squareStep, true, blocks_);
            if (x0 + 16 <= width && y0 + 16 <= height) {
                store_(blocks_, {luma + size_t(y0) * width + x0, size_t(width),
                                 cb + size_t(y0 / 2) * chromaWidth + x0 / 2,
                                 cr + size_t(y0 / 2) * chromaWidth + x0 / 2, size_t(chromaWidth)});
            } else {
                StoreEdge(x0, y0, width, height, luma, cb, cr);
            }
        }
    }
    return true;
}

// The 16 x 16 pixels at (x0, y0), copied with the last column and row repeated when they reach
// past the frame, as the JPEG encoder reads its edge squares.
const uint8_t* FramePlanes::Square(const uint8_t* top, ptrdiff_t step, int width, int height,
                                   int x0, int y0, ptrdiff_t& squareStep) {
    if (x0 + 16 <= width && y0 + 16 <= height) {
        squareStep = step;
        return top + step * y0 + 3 * x0;
    }
    squareStep = kTileStep;
    for (int y = 0; y < 16; ++y) {
        const uint8_t* row = top + step * std::min(y0 + y, height - 1);
        for (int x = 0; x < 16; ++x) {
            std::memcpy(tile_ + y * kTileStep + 3 * x, row + 3 * std::min(x0 + x, width - 1), 3);
        }
    }
    return tile_;
}

// A macroblock reaching past the frame: only its pixels inside the frame are stored.
void FramePlanes::StoreEdge(int x0, int y0, int width, int height, uint8_t* luma, uint8_t* cb,
                            uint8_t* cr) const {
    const int chromaWidth = (width + 1) / 2, chromaHeight = (height + 1) / 2;
    // The four luminance blocks: top-left, top-right, bottom-left, bottom-right.
    for (int y = 0; y < 16 && y0 + y < height; ++y) {
        for (int x = 0; x < 16 && x0 + x < width; ++x) {
            const int block = (y / 8) * 2 + x / 8;
            luma[size_t(y0 + y) * width + x0 + x] =
                PlaneByte(blocks_[block * 64 + (y % 8) * 8 + x % 8]);
        }
    }
    for (int y = 0; y < 8 && y0 / 2 + y < chromaHeight; ++y) {
        for (int x = 0; x < 8 && x0 / 2 + x < chromaWidth; ++x) {
            const size_t at = size_t(y0 / 2 + y) * chromaWidth + x0 / 2 + x;
            cb[at] = PlaneByte(blocks_[4 * 64 + y * 8 + x]);
            cr[at] = PlaneByte(blocks_[5 * 64 + y * 8 + x]);
        }
    }
}
