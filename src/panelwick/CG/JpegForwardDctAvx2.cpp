#include "panelwick/CG/JpegForwardDct.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#define REELWORK_AVX2 __attribute__((target("avx2")))

namespace CG::JpegForwardDct {
namespace {

REELWORK_AVX2 inline void Transpose(__m256* v) {
    const __m256 t0 = _mm256_unpacklo_ps(v[0], v[1]), t1 = _mm256_unpackhi_ps(v[0], v[1]);
    const __m256 t2 = _mm256_unpacklo_ps(v[2], v[3]), t3 = _mm256_unpackhi_ps(v[2], v[3]);
    const __m256 t4 = _mm256_unpacklo_ps(v[4], v[5]), t5 = _mm256_unpackhi_ps(v[4], v[5]);
    const __m256 t6 = _mm256_unpacklo_ps(v[6], v[7]), t7 = _mm256_unpackhi_ps(v[6], v[7]);
    const __m256 s0 = _mm256_shuffle_ps(t0, t2, 0x44), s1 = _mm256_shuffle_ps(t0, t2, 0xEE);
    const __m256 s2 = _mm256_shuffle_ps(t1, t3, 0x44), s3 = _mm256_shuffle_ps(t1, t3, 0xEE);
    const __m256 s4 = _mm256_shuffle_ps(t4, t6, 0x44), s5 = _mm256_shuffle_ps(t4, t6, 0xEE);
    const __m256 s6 = _mm256_shuffle_ps(t5, t7, 0x44), s7 = _mm256_shuffle_ps(t5, t7, 0xEE);
    v[0] = _mm256_permute2f128_ps(s0, s4, 0x20);
    v[1] = _mm256_permute2f128_ps(s1, s5, 0x20);
    v[2] = _mm256_permute2f128_ps(s2, s6, 0x20);
    v[3] = _mm256_permute2f128_ps(s3, s7, 0x20);
    v[4] = _mm256_permute2f128_ps(s0, s4, 0x31);
    v[5] = _mm256_permute2f128_ps(s1, s5, 0x31);
    v[6] = _mm256_permute2f128_ps(s2, s6, 0x31);
    v[7] = _mm256_permute2f128_ps(s3, s7, 0x31);
}

// The plain butterflies, eight transforms side by side (lane i is transform i).
REELWORK_AVX2 inline void Butterflies(__m256* d) {
    const __m256 tmp0 = _mm256_add_ps(d[0], d[7]), tmp7 = _mm256_sub_ps(d[0], d[7]);
    const __m256 tmp1 = _mm256_add_ps(d[1], d[6]), tmp6 = _mm256_sub_ps(d[1], d[6]);
    const __m256 tmp2 = _mm256_add_ps(d[2], d[5]), tmp5 = _mm256_sub_ps(d[2], d[5]);
    const __m256 tmp3 = _mm256_add_ps(d[3], d[4]), tmp4 = _mm256_sub_ps(d[3], d[4]);

    const __m256 tmp10 = _mm256_add_ps(tmp0, tmp3), tmp13 = _mm256_sub_ps(tmp0, tmp3);
    const __m256 tmp11 = _mm256_add_ps(tmp1, tmp2), tmp12 = _mm256_sub_ps(tmp1, tmp2);
    d[0] = _mm256_add_ps(tmp10, tmp11);
    d[4] = _mm256_sub_ps(tmp10, tmp11);
    const __m256 z1 = _mm256_mul_ps(_mm256_add_ps(tmp12, tmp13), _mm256_set1_ps(0.707106781f));
    d[2] = _mm256_add_ps(tmp13, z1);
    d[6] = _mm256_sub_ps(tmp13, z1);

    const __m256 odd10 = _mm256_add_ps(tmp4, tmp5), odd11 = _mm256_add_ps(tmp5, tmp6);
    const __m256 odd12 = _mm256_add_ps(tmp6, tmp7);
    const __m256 z5 = _mm256_mul_ps(_mm256_sub_ps(odd10, odd12), _mm256_set1_ps(0.382683433f));
    const __m256 z2 = _mm256_add_ps(_mm256_mul_ps(_mm256_set1_ps(0.541196100f), odd10), z5);
    const __m256 z4 = _mm256_add_ps(_mm256_mul_ps(_mm256_set1_ps(1.306562965f), odd12), z5);
    const __m256 z3 = _mm256_mul_ps(odd11, _mm256_set1_ps(0.707106781f));
    const __m256 z11 = _mm256_add_ps(tmp7, z3), z13 = _mm256_sub_ps(tmp7, z3);
    d[5] = _mm256_add_ps(z13, z2);
    d[3] = _mm256_sub_ps(z13, z2);
    d[1] = _mm256_add_ps(z11, z4);
    d[7] = _mm256_sub_ps(z11, z4);
}

}  // namespace

// Rows become lanes for the row pass, then the block is turned back so that the column pass
// runs across lanes and leaves the rows in place.
REELWORK_AVX2 void TransformAvx2(float* block) {
    // Loads and stores written out: as loops they become byte copies through the stack.
    __m256 v[8] = {_mm256_load_ps(block), _mm256_load_ps(block + 8), _mm256_load_ps(block + 16),
                   _mm256_load_ps(block + 24), _mm256_load_ps(block + 32),
                   _mm256_load_ps(block + 40), _mm256_load_ps(block + 48),
                   _mm256_load_ps(block + 56)};
    Transpose(v);
    Butterflies(v);
    Transpose(v);
    Butterflies(v);
    _mm256_store_ps(block, v[0]);
    _mm256_store_ps(block + 8, v[1]);
    _mm256_store_ps(block + 16, v[2]);
    _mm256_store_ps(block + 24, v[3]);
    _mm256_store_ps(block + 32, v[4]);
    _mm256_store_ps(block + 40, v[5]);
    _mm256_store_ps(block + 48, v[6]);
    _mm256_store_ps(block + 56, v[7]);
}

}  // namespace CG::JpegForwardDct

#else

namespace CG::JpegForwardDct {
void TransformAvx2(float* block) { Transform(block); }
}  // namespace CG::JpegForwardDct

#endif
