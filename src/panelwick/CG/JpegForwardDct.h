#pragma once

// The forward DCT of one 8 x 8 block of floats in natural order, in place: the AAN butterflies
// on each row, then on each column, single precision; the outputs stay unscaled (the quantizer's
// divisors undo the scale).
namespace CG::JpegForwardDct {

void Transform(float* block);
void TransformAvx2(float* block);

}  // namespace CG::JpegForwardDct
