#include "panelwick/CG/JpegColourConverter.h"

namespace CG::JpegColourConverter {
namespace {

float Luma(const uint8_t* p, int red, int blue) {
    return 0.299f * p[red] + 0.587f * p[1] + 0.114f * p[blue] - 128.0f;
}

}  // namespace

void ConvertMacroblock(const uint8_t* topLeft, ptrdiff_t step, bool bgr, float* blocks) {
    const int red = bgr ? 2 : 0, blue = 2 - red;
    for (int y = 0; y < 16; ++y) {
        const uint8_t* row = topLeft + step * y;
        float* out = blocks + (y / 8) * 128 + (y % 8) * 8;
        for (int x = 0; x < 16; ++x) out[(x / 8) * 64 + x % 8] = Luma(row + 3 * x, red, blue);
    }
    float* cb = blocks + 4 * 64;
    float* cr = blocks + 5 * 64;
    for (int y = 0; y < 8; ++y) {
        const uint8_t* upper = topLeft + step * (2 * y);
        const uint8_t* lower = upper + step;
        for (int x = 0; x < 8; ++x) {
            const uint8_t* a = upper + 6 * x;
            const uint8_t* b = lower + 6 * x;
            const float r = float(a[red] + a[red + 3] + b[red] + b[red + 3]);
            const float g = float(a[1] + a[4] + b[1] + b[4]);
            const float bl = float(a[blue] + a[blue + 3] + b[blue] + b[blue + 3]);
            cb[y * 8 + x] = (-0.168736f * r + -0.331264f * g + 0.5f * bl) * 0.25f;
            cr[y * 8 + x] = (0.5f * r - 0.418688f * g - 0.081312f * bl) * 0.25f;
        }
    }
}

void ConvertGreyBlock(const uint8_t* topLeft, ptrdiff_t step, bool bgr, float* block) {
    const int red = bgr ? 2 : 0, blue = 2 - red;
    for (int y = 0; y < 8; ++y) {
        const uint8_t* row = topLeft + step * y;
        for (int x = 0; x < 8; ++x) block[y * 8 + x] = Luma(row + 3 * x, red, blue);
    }
}

}  // namespace CG::JpegColourConverter
