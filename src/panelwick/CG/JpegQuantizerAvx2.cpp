#include "panelwick/CG/JpegQuantizer.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <utility>

#include "panelwick/CG/JpegTables.h"

#define REELWORK_AVX2 __attribute__((target("avx2")))

namespace CG::JpegQuantizer {
namespace {

// One row of 8: times the divisors, plus 0.5 carrying the value's sign, truncated.
REELWORK_AVX2 inline __m256i QuantizeRow(const float* block, const float* divisors) {
    const __m256 v = _mm256_mul_ps(_mm256_load_ps(block), _mm256_load_ps(divisors));
    const __m256 half = _mm256_or_ps(_mm256_and_ps(v, _mm256_set1_ps(-0.0f)),
                                     _mm256_set1_ps(0.5f));
    return _mm256_cvttps_epi32(_mm256_add_ps(v, half));
}

template <size_t... I>
inline void Reorder(const int16_t* natural, int16_t* zigzag, std::index_sequence<I...>) {
    ((zigzag[I] = natural[JpegTables::kZigzag[I]]), ...);
}

}  // namespace

REELWORK_AVX2 void QuantizeAvx2(const float* block, const float* divisors, int16_t* zigzag) {
    alignas(32) int16_t natural[64];
    for (int row = 0; row < 8; row += 2) {
        const __m256i a = QuantizeRow(block + 8 * row, divisors + 8 * row);
        const __m256i b = QuantizeRow(block + 8 * row + 8, divisors + 8 * row + 8);
        // packs interleaves the 128-bit halves; the permute puts a before b again.
        const __m256i packed = _mm256_permute4x64_epi64(_mm256_packs_epi32(a, b), 0xD8);
        _mm256_store_si256(reinterpret_cast<__m256i*>(natural + 8 * row), packed);
    }
    Reorder(natural, zigzag, std::make_index_sequence<64>{});
}

}  // namespace CG::JpegQuantizer

#else

namespace CG::JpegQuantizer {
void QuantizeAvx2(const float* block, const float* divisors, int16_t* zigzag) {
    Quantize(block, divisors, zigzag);
}
}  // namespace CG::JpegQuantizer

#endif
