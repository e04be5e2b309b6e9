#pragma once

#include <cstdint>

#include "render/DrawSetup.h"

// Draws the picture into frame pixels xBegin .. xEnd - 1 of frame row y (24-bit, blue, green,
// red). Every kernel gives the same bytes as the plain per-pixel rule.
using RowKernel = void (*)(const DrawSetup& setup, uint8_t* row, int32_t y, int32_t xBegin,
                           int32_t xEnd);

enum class DrawPath {
    Automatic,  // the kernel of Sys::ChosenCpuLevel()
    Scalar,
    Avx2,
    Avx512,
};

void DrawRowScalar(const DrawSetup& setup, uint8_t* row, int32_t y, int32_t xBegin, int32_t xEnd);
void DrawRowAvx2(const DrawSetup& setup, uint8_t* row, int32_t y, int32_t xBegin, int32_t xEnd);
void DrawRowAvx512(const DrawSetup& setup, uint8_t* row, int32_t y, int32_t xBegin, int32_t xEnd);

bool Avx2Supported();
bool Avx512Supported();
// The kernel for a path. A path the processor cannot run falls back to Scalar.
RowKernel SelectRowKernel(DrawPath path);
