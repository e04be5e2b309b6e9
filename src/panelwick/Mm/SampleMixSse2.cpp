// MixSamples eight samples at a time with SSE2, the tail by the plain rule.
//
// The vector code divides in double precision: every product fits a double exactly, and a
// quotient that is not a whole number lies at least 1/divisor away from one, far more than
// the rounding error of one division, so truncating the double quotient gives the integer
// quotient.
#include "panelwick/Mm/SampleMix.h"

#if defined(__x86_64__)

#include <emmintrin.h>

namespace Mm {
namespace {

// Four samples: sign-extended 32-bit values x weight, divided, truncated.
__m128i Scale(__m128i values, __m128d weight, __m128d divisor) {
    const __m128d low = _mm_mul_pd(_mm_cvtepi32_pd(values), weight);
    const __m128d high = _mm_mul_pd(_mm_cvtepi32_pd(_mm_shuffle_epi32(values, 0xEE)), weight);
    return _mm_unpacklo_epi64(_mm_cvttpd_epi32(_mm_div_pd(low, divisor)),
                              _mm_cvttpd_epi32(_mm_div_pd(high, divisor)));
}

// Keeps the low 16 bits of each 32-bit value, as the plain code's conversion does.
__m128i PackLow16(__m128i low, __m128i high) {
    low = _mm_srai_epi32(_mm_slli_epi32(low, 16), 16);
    high = _mm_srai_epi32(_mm_slli_epi32(high, 16), 16);
    return _mm_packs_epi32(low, high);
}

}  // namespace

void MixSamplesSse2(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                    int32_t divisor, int16_t* out, size_t count) {
    const __m128d wa = _mm_set1_pd(weightA), wb = _mm_set1_pd(weightB);
    const __m128d d = _mm_set1_pd(divisor);
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i aLow = _mm_srai_epi32(_mm_unpacklo_epi16(va, va), 16);
        const __m128i aHigh = _mm_srai_epi32(_mm_unpackhi_epi16(va, va), 16);
        const __m128i bLow = _mm_srai_epi32(_mm_unpacklo_epi16(vb, vb), 16);
        const __m128i bHigh = _mm_srai_epi32(_mm_unpackhi_epi16(vb, vb), 16);
        const __m128i low = _mm_add_epi32(Scale(aLow, wa, d), Scale(bLow, wb, d));
        const __m128i high = _mm_add_epi32(Scale(aHigh, wa, d), Scale(bHigh, wb, d));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), PackLow16(low, high));
    }
    MixSamplesPlain(a + i, weightA, b + i, weightB, divisor, out + i, count - i);
}

}  // namespace Mm

#endif
