#include "render/PlaneRows.h"

#include <immintrin.h>

#define REELWORK_AVX2 __attribute__((target("avx2")))

namespace {

void StoreRowPlain(const float* values, uint8_t* out) {
    for (int x = 0; x < 8; ++x) out[x] = PlaneByte(values[x]);
}

// The same sum and floor in single precision; packing saturates to 0..255 as the clamp does.
REELWORK_AVX2 void StoreRowAvx2(const float* values, uint8_t* out) {
    const __m256 rounded =
        _mm256_floor_ps(_mm256_add_ps(_mm256_load_ps(values), _mm256_set1_ps(128.5f)));
    const __m256i words = _mm256_cvtps_epi32(rounded);
    const __m128i shorts =
        _mm_packs_epi32(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(shorts, shorts));
}

// Row i of the 48 block rows: 0..31 the luminance blocks (top-left, top-right, bottom-left,
// bottom-right; eight rows each), 32..39 Cb, 40..47 Cr. Its values are blocks + 8 i.
inline uint8_t* RowTarget(const PlaneRows& rows, int i) {
    if (i < 32) {
        const int block = i / 8, y = i % 8;
        return rows.luma + (size_t(block / 2) * 8 + y) * rows.lumaStride + (block % 2) * 8;
    }
    return (i < 40 ? rows.cb : rows.cr) + size_t(i % 8) * rows.chromaStride;
}

}  // namespace

void StoreMacroblockPlain(const float* blocks, const PlaneRows& rows) {
    for (int i = 0; i < 48; ++i) StoreRowPlain(blocks + 8 * i, RowTarget(rows, i));
}

REELWORK_AVX2 void StoreMacroblockAvx2(const float* blocks, const PlaneRows& rows) {
    for (int i = 0; i < 48; ++i) StoreRowAvx2(blocks + 8 * i, RowTarget(rows, i));
}
