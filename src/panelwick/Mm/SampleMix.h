#pragma once

#include <cstddef>
#include <cstdint>

namespace Mm {

// out[i] = a[i] x weightA / divisor + b[i] x weightB / divisor, each division truncating toward
// zero and the sum stored as a 16-bit sample (its low 16 bits). Weights lie in 0..divisor and
// the divisor in 1..1000. Runs the active AudioKernels' mix; MixSamplesPlain is the rule.
void MixSamples(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                int32_t divisor, int16_t* out, size_t count);
void MixSamplesPlain(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                     int32_t divisor, int16_t* out, size_t count);
// The same with SSE2 or AVX2 (x86-64 only; AVX2 only on a processor that has it).
void MixSamplesSse2(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                    int32_t divisor, int16_t* out, size_t count);
void MixSamplesAvx2(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                    int32_t divisor, int16_t* out, size_t count);

}  // namespace Mm
