#pragma once

#include <cstddef>
#include <cstdint>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/JpegKernels.h"
#include "render/PlaneRows.h"

// A composed frame as the encoder takes it through a pipe: full-range 4:2:0 planes, Y (width x
// height), then Cb, then Cr ((width + 1) / 2 x (height + 1) / 2 each). The values are those the
// JPEG encoder computes from the same frame before its transform (the same colour conversion
// and 2 x 2 averaging, edges repeated past the frame's border), rounded to bytes: the frames
// the encoder gets are the JPG path's frames without the JPEG loss.
class FramePlanes {
public:
    explicit FramePlanes(const CG::JpegKernels& kernels = CG::JpegKernels::Fastest());

    static size_t Size(int width, int height);
    // Writes the planes of a 24-bit frame to `out` (Size bytes); false for other frames.
    bool Convert(const CG::DIBitmap& frame, uint8_t* out);

private:
    static constexpr int kTileStep = 16 * 3;

    const uint8_t* Square(const uint8_t* top, ptrdiff_t step, int width, int height, int x0, int y0,
                          ptrdiff_t& squareStep);
    void StoreEdge(int x0, int y0, int width, int height, uint8_t* luma, uint8_t* cb,
                   uint8_t* cr) const;

    const CG::JpegKernels& kernels_;
    MacroblockStore store_;  // the vector one goes with the vector kernels
    uint8_t tile_[16 * kTileStep];
    alignas(32) float blocks_[6 * 64];  // the vector kernels store aligned
};
