#include "panelwick/CG/Blend.h"

namespace CG {

uint32_t Gradient(uint32_t a, uint32_t b, double t) {
    if (!(t > 0)) return a & 0xFFFFFF;
    if (t >= 1) return b & 0xFFFFFF;
    const uint32_t f = uint32_t(t * 255);
    uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        result |= uint32_t(Mix((b >> shift) & 0xFF, (a >> shift) & 0xFF, f)) << shift;
    }
    return result;
}

}  // namespace CG
