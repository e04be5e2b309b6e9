#include "panelwick/Mm/SampleMix.h"

#include "panelwick/Mm/VectorPath.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace Mm {

// The vector code divides in double precision: every product fits a double exactly, and a
// quotient that is not a whole number lies at least 1/divisor away from one, far more than
// the rounding error of one division, so truncating the double quotient gives the integer
// quotient.

void MixSamplesPlain(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                     int32_t divisor, int16_t* out, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        out[i] = int16_t(a[i] * weightA / divisor + b[i] * weightB / divisor);
    }
}

#if defined(__x86_64__)
namespace {

// Four samples: sign-extended 32-bit values x weight, divided, truncated.
__m128i ScaleSse2(__m128i values, __m128d weight, __m128d divisor) {
    const __m128d low = _mm_mul_pd(_mm_cvtepi32_pd(values), weight);
    const __m128d high = _mm_mul_pd(_mm_cvtepi32_pd(_mm_shuffle_epi32(values, 0xEE)), weight);
    return _mm_unpacklo_epi64(_mm_cvttpd_epi32(_mm_div_pd(low, divisor)),
                              _mm_cvttpd_epi32(_mm_div_pd(high, divisor)));
}

// Keeps the low 16 bits of each 32-bit value, as the plain code's conversion does.
__m128i PackLow16Sse2(__m128i low, __m128i high) {
    low = _mm_srai_epi32(_mm_slli_epi32(low, 16), 16);
    high = _mm_srai_epi32(_mm_slli_epi32(high, 16), 16);
    return _mm_packs_epi32(low, high);
}

size_t MixSse2(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
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
        const __m128i low = _mm_add_epi32(ScaleSse2(aLow, wa, d), ScaleSse2(bLow, wb, d));
        const __m128i high = _mm_add_epi32(ScaleSse2(aHigh, wa, d), ScaleSse2(bHigh, wb, d));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), PackLow16Sse2(low, high));
    }
    return i;
}

__attribute__((target("avx2"))) __m256i ScaleAvx2(__m256i values, __m256d weight, __m256d divisor) {
    const __m256d low = _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_castsi256_si128(values)), weight);
    const __m256d high =
        _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_extracti128_si256(values, 1)), weight);
    const __m128i ql = _mm256_cvttpd_epi32(_mm256_div_pd(low, divisor));
    const __m128i qh = _mm256_cvttpd_epi32(_mm256_div_pd(high, divisor));
    return _mm256_inserti128_si256(_mm256_castsi128_si256(ql), qh, 1);
}

__attribute__((target("avx2"))) size_t MixAvx2(const int16_t* a, int32_t weightA, const int16_t* b,
                                               int32_t weightB, int32_t divisor, int16_t* out,
                                               size_t count) {
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
        __m256i low = _mm256_add_epi32(ScaleAvx2(aLow, wa, d), ScaleAvx2(bLow, wb, d));
        __m256i high = _mm256_add_epi32(ScaleAvx2(aHigh, wa, d), ScaleAvx2(bHigh, wb, d));
        low = _mm256_srai_epi32(_mm256_slli_epi32(low, 16), 16);
        high = _mm256_srai_epi32(_mm256_slli_epi32(high, 16), 16);
        // packs works within 128-bit lanes; reorder the quarters back into sample order.
        const __m256i packed = _mm256_permute4x64_epi64(_mm256_packs_epi32(low, high), 0xD8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), packed);
    }
    return i;
}

}  // namespace
#endif

void MixSamples(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                int32_t divisor, int16_t* out, size_t count) {
    size_t done = 0;
#if defined(__x86_64__)
    if (UseAvx2()) {
        done = MixAvx2(a, weightA, b, weightB, divisor, out, count);
    } else if (UseVectorPath()) {
        done = MixSse2(a, weightA, b, weightB, divisor, out, count);
    }
#endif
    MixSamplesPlain(a + done, weightA, b + done, weightB, divisor, out + done, count - done);
}

}  // namespace Mm
