#include "panelwick/CG/JpegColourConverter.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <array>

#define REELWORK_AVX2 __attribute__((target("avx2")))

namespace CG::JpegColourConverter {
namespace {

using Masks = std::array<std::array<std::array<uint8_t, 16>, 3>, 3>;

// Byte shuffles that gather channel c of 16 packed pixels from the three 16-byte pieces s of
// a 48-byte row: byte j takes byte 3j + c - 16s of piece s when it lies there.
constexpr Masks MakeMasks() {
    Masks m{};
    for (int c = 0; c < 3; ++c) {
        for (int s = 0; s < 3; ++s) {
            for (int j = 0; j < 16; ++j) {
                const int from = 3 * j + c - 16 * s;
                m[c][s][j] = uint8_t(from >= 0 && from < 16 ? from : 0x80);
            }
        }
    }
    return m;
}
alignas(16) constexpr Masks kMasks = MakeMasks();

REELWORK_AVX2 inline __m128i Channel(__m128i a, __m128i b, __m128i c, int channel) {
    const auto& m = kMasks[channel];
    const __m128i x = _mm_shuffle_epi8(a, _mm_load_si128(reinterpret_cast<const __m128i*>(&m[0])));
    const __m128i y = _mm_shuffle_epi8(b, _mm_load_si128(reinterpret_cast<const __m128i*>(&m[1])));
    const __m128i z = _mm_shuffle_epi8(c, _mm_load_si128(reinterpret_cast<const __m128i*>(&m[2])));
    return _mm_or_si128(_mm_or_si128(x, y), z);
}

// 16 pixels of one row as red, green and blue bytes.
struct Row16 {
    __m128i r, g, b;
};

REELWORK_AVX2 inline Row16 LoadRow(const uint8_t* p, bool bgr) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32));
    const __m128i first = Channel(a, b, c, 0), green = Channel(a, b, c, 1);
    const __m128i last = Channel(a, b, c, 2);
    return bgr ? Row16{last, green, first} : Row16{first, green, last};
}

REELWORK_AVX2 inline __m256 Low8(__m128i bytes) {
    return _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(bytes));
}

REELWORK_AVX2 inline __m256 High8(__m128i bytes) { return Low8(_mm_srli_si128(bytes, 8)); }

// 0.299 R + 0.587 G + 0.114 B - 128, in the plain code's order.
REELWORK_AVX2 inline __m256 Luma(__m256 r, __m256 g, __m256 b) {
    const __m256 sum = _mm256_add_ps(_mm256_mul_ps(_mm256_set1_ps(0.299f), r),
                                     _mm256_mul_ps(_mm256_set1_ps(0.587f), g));
    return _mm256_sub_ps(_mm256_add_ps(sum, _mm256_mul_ps(_mm256_set1_ps(0.114f), b)),
                         _mm256_set1_ps(128.0f));
}

REELWORK_AVX2 inline void StoreLuma(const Row16& row, float* left) {
    _mm256_store_ps(left, Luma(Low8(row.r), Low8(row.g), Low8(row.b)));
    _mm256_store_ps(left + 64, Luma(High8(row.r), High8(row.g), High8(row.b)));
}

// The sums of 2 x 2 pixels of one channel over two rows: 8 exact values.
REELWORK_AVX2 inline __m256 PairSums(__m128i upper, __m128i lower) {
    const __m256i sum = _mm256_add_epi16(_mm256_cvtepu8_epi16(upper), _mm256_cvtepu8_epi16(lower));
    return _mm256_cvtepi32_ps(_mm256_madd_epi16(sum, _mm256_set1_epi16(1)));
}

}  // namespace

REELWORK_AVX2 void ConvertMacroblockAvx2(const uint8_t* topLeft, ptrdiff_t step, bool bgr,
                                         float* blocks) {
    float* cb = blocks + 4 * 64;
    float* cr = blocks + 5 * 64;
    for (int pair = 0; pair < 8; ++pair) {
        const int y = 2 * pair;
        const Row16 upper = LoadRow(topLeft + step * y, bgr);
        const Row16 lower = LoadRow(topLeft + step * (y + 1), bgr);
        float* luma = blocks + (y / 8) * 128 + (y % 8) * 8;
        StoreLuma(upper, luma);
        StoreLuma(lower, luma + 8);

        const __m256 r = PairSums(upper.r, lower.r);
        const __m256 g = PairSums(upper.g, lower.g);
        const __m256 b = PairSums(upper.b, lower.b);
        const __m256 quarter = _mm256_set1_ps(0.25f);
        const __m256 blue = _mm256_add_ps(
            _mm256_add_ps(_mm256_mul_ps(_mm256_set1_ps(-0.168736f), r),
                          _mm256_mul_ps(_mm256_set1_ps(-0.331264f), g)),
            _mm256_mul_ps(_mm256_set1_ps(0.5f), b));
        const __m256 red = _mm256_sub_ps(
            _mm256_sub_ps(_mm256_mul_ps(_mm256_set1_ps(0.5f), r),
                          _mm256_mul_ps(_mm256_set1_ps(0.418688f), g)),
            _mm256_mul_ps(_mm256_set1_ps(0.081312f), b));
        _mm256_store_ps(cb + 8 * pair, _mm256_mul_ps(blue, quarter));
        _mm256_store_ps(cr + 8 * pair, _mm256_mul_ps(red, quarter));
    }
}

}  // namespace CG::JpegColourConverter

#else

namespace CG::JpegColourConverter {
void ConvertMacroblockAvx2(const uint8_t* topLeft, ptrdiff_t step, bool bgr, float* blocks) {
    ConvertMacroblock(topLeft, step, bgr, blocks);
}
}  // namespace CG::JpegColourConverter

#endif
