#include "panelwick/CG/JpegQuantizer.h"

#include "panelwick/CG/JpegTables.h"

namespace CG::JpegQuantizer {

void Quantize(const float* block, const float* divisors, int16_t* zigzag) {
    for (int i = 0; i < 64; ++i) {
        const int p = JpegTables::kZigzag[i];
        const float v = block[p] * divisors[p];
        zigzag[i] = int16_t(int(v >= 0.0f ? v + 0.5f : v - 0.5f));
    }
}

}  // namespace CG::JpegQuantizer
