// MixSamples sixteen samples at a time with AVX2, the tail by the plain rule. Divides in
// double precision like the SSE2 code (see SampleMixSse2.cpp for why that is exact); only the
// functions marked for AVX2 use it, and they run only when the processor has it.
#include "panelwick/Mm/SampleMix.h"

#if defined(__x86_64__)

#include <immintrin.h>

#define REELWORK_AVX2 __attribute__((target("avx2")))

namespace Mm {
namespace {

// Eight samples: 32-bit values x weight, divided, truncated.
REELWORK_AVX2 __m256i Scale(__m256i values, __m256d weight, __m256d divisor) {
    const __m256d low = _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_castsi256_si128(values)), weight);
    const __m256d high =
        _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_extracti128_si256(values, 1)), weight);
    const __m128i ql = _mm256_cvttpd_epi32(_mm256_div_pd(low, divisor));
    const __m128i qh = _mm256_cvttpd_epi32(_mm256_div_pd(high, divisor));
    return _mm256_inserti128_si256(_mm256_castsi128_si256(ql), qh, 1);
}

}  // namespace

REELWORK_AVX2 void MixSamplesAvx2(const int16_t* a, int32_t weightA, const int16_t* b,
                                  int32_t weightB, int32_t divisor, int16_t* out, size_t count) {
    const __m256d wa = _mm256_set1_pd(weightA), wb = _mm256_set1_pd(weightB);
    const __m256d d = _mm256_set1_pd(divisor);
    size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
        const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
        // Samples 0..7 and 8..15 as 32-bit values.
        const __m256i aLow = _mm256_cvtepi16_epi32(_mm256_castsi256_si128(va));
        const __m256i aHigh = _mm256_cvtepi16_epi32(_mm256_extracti128_si256(va, 1));
        const __m256i bLow = _mm256_cvtepi16_epi32(_mm256_castsi256_si128(vb));
        const __m256i bHigh = _mm256_cvtepi16_epi32(_mm256_extracti128_si256(vb, 1));
        __m256i low = _mm256_add_epi32(Scale(aLow, wa, d), Scale(bLow, wb, d));
        __m256i high = _mm256_add_epi32(Scale(aHigh, wa, d), Scale(bHigh, wb, d));
        // The low 16 bits of each value, as the plain code's conversion keeps.
        low = _mm256_srai_epi32(_mm256_slli_epi32(low, 16), 16);
        high = _mm256_srai_epi32(_mm256_slli_epi32(high, 16), 16);
        // packs works within 128-bit lanes; reorder the quarters back into sample order.
        const __m256i packed = _mm256_permute4x64_epi64(_mm256_packs_epi32(low, high), 0xD8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), packed);
    }
    MixSamplesPlain(a + i, weightA, b + i, weightB, divisor, out + i, count - i);
}

}  // namespace Mm

#endif
