#include "panelwick/CG/JpegForwardDct.h"

namespace CG::JpegForwardDct {
namespace {

// Eight values `step` apart. The SIMD version repeats these operations in this order.
void Butterflies(float* d, int step) {
    const float tmp0 = d[0] + d[7 * step], tmp7 = d[0] - d[7 * step];
    const float tmp1 = d[step] + d[6 * step], tmp6 = d[step] - d[6 * step];
    const float tmp2 = d[2 * step] + d[5 * step], tmp5 = d[2 * step] - d[5 * step];
    const float tmp3 = d[3 * step] + d[4 * step], tmp4 = d[3 * step] - d[4 * step];

    const float tmp10 = tmp0 + tmp3, tmp13 = tmp0 - tmp3;
    const float tmp11 = tmp1 + tmp2, tmp12 = tmp1 - tmp2;
    d[0] = tmp10 + tmp11;
    d[4 * step] = tmp10 - tmp11;
    const float z1 = (tmp12 + tmp13) * 0.707106781f;
    d[2 * step] = tmp13 + z1;
    d[6 * step] = tmp13 - z1;

    const float odd10 = tmp4 + tmp5, odd11 = tmp5 + tmp6, odd12 = tmp6 + tmp7;
    const float z5 = (odd10 - odd12) * 0.382683433f;
    const float z2 = 0.541196100f * odd10 + z5;
    const float z4 = 1.306562965f * odd12 + z5;
    const float z3 = odd11 * 0.707106781f;
    const float z11 = tmp7 + z3, z13 = tmp7 - z3;
    d[5 * step] = z13 + z2;
    d[3 * step] = z13 - z2;
    d[step] = z11 + z4;
    d[7 * step] = z11 - z4;
}

}  // namespace

void Transform(float* block) {
    for (int row = 0; row < 8; ++row) Butterflies(block + 8 * row, 1);
    for (int column = 0; column < 8; ++column) Butterflies(block + column, 8);
}

}  // namespace CG::JpegForwardDct
