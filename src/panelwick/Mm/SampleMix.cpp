#include "panelwick/Mm/SampleMix.h"

#include "panelwick/Mm/AudioKernels.h"

namespace Mm {

void MixSamplesPlain(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                     int32_t divisor, int16_t* out, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        out[i] = int16_t(a[i] * weightA / divisor + b[i] * weightB / divisor);
    }
}

void MixSamples(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                int32_t divisor, int16_t* out, size_t count) {
    AudioKernels::Active().mixSamples(a, weightA, b, weightB, divisor, out, count);
}

}  // namespace Mm
