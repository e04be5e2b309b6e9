#include "render/PixelRule.h"
#include "render/RowKernel.h"

void DrawRowScalar(const DrawSetup& s, uint8_t* row, int32_t y, int32_t xBegin, int32_t xEnd) {
    const float dy = float(y) - s.centreY;
    for (int32_t x = xBegin; x < xEnd; ++x) DrawPixel(s, float(x) - s.centreX, dy, row + 3 * x);
}
