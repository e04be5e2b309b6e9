// The per-pixel rule of PixelRule.h, sixteen frame pixels at a time with AVX-512. The same
// operations as the AVX2 kernel, in the same order and precision, so the bytes are the same;
// the functions marked for AVX-512 run only when the processor has it.

// GCC 12's AVX-512 headers start some results from a deliberately undefined vector, which
// its own uninitialised-use warnings then report at every caller.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <cstring>
#include <immintrin.h>

#include "render/RowKernel.h"

#define REELWORK_AVX512 __attribute__((target("avx512f,avx512bw,avx512dq,avx512vl")))

namespace {

// x / 255 truncated, per 16-bit lane, for 0 <= x < 65535.
REELWORK_AVX512 inline __m512i Div255(__m512i x) {
    const __m512i one = _mm512_set1_epi16(1);
    return _mm512_srli_epi16(_mm512_add_epi16(_mm512_add_epi16(x, one), _mm512_srli_epi16(x, 8)),
                             8);
}

// CG::Mix per 16-bit lane: b moved towards a by f / 255, rounded.
REELWORK_AVX512 inline __m512i Mix16(__m512i a, __m512i b, __m512i f) {
    const __m512i sum =
        _mm512_add_epi16(_mm512_mullo_epi16(b, _mm512_sub_epi16(_mm512_set1_epi16(255), f)),
                         _mm512_mullo_epi16(a, f));
    return Div255(_mm512_add_epi16(sum, _mm512_set1_epi16(127)));
}

// A 32-bit lane's low 16 bits copied into its high 16 bits.
REELWORK_AVX512 inline __m512i Twice(__m512i x) {
    return _mm512_or_si512(x, _mm512_slli_epi32(x, 16));
}

// n / d truncated towards zero by multiplying with 1 / d, exact as in the AVX2 kernel.
REELWORK_AVX512 inline __m512i DivideExact(__m512i n, __m512 reciprocal) {
    const __m512 value = _mm512_cvtepi32_ps(n);
    const __m512 half =
        _mm512_or_ps(_mm512_and_ps(value, _mm512_set1_ps(-0.0f)), _mm512_set1_ps(0.5f));
    return _mm512_cvttps_epi32(_mm512_mul_ps(_mm512_add_ps(value, half), reciprocal));
}

// One channel of the colour adjustment, as in the AVX2 kernel: floor(product) + brightness,
// plus one when the product's fraction is at least one half, clamped.
REELWORK_AVX512 inline __m512i AdjustChannel(__m512i c, __m512i luminance, __m512i saturation,
                                             __m512 contrast, __m512i brightness) {
    const __m512i n = _mm512_add_epi32(
        _mm512_mullo_epi32(_mm512_sub_epi32(c, luminance), saturation), _mm512_set1_epi32(127));
    const __m512i c1 = _mm512_add_epi32(c, DivideExact(n, _mm512_set1_ps(1.0f / 254.0f)));
    const __m512 product =
        _mm512_mul_ps(_mm512_sub_ps(_mm512_cvtepi32_ps(c1), _mm512_set1_ps(127.5f)), contrast);
    const __m512 whole = _mm512_roundscale_ps(product, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
    const __mmask16 roundsUp =
        _mm512_cmp_ps_mask(_mm512_sub_ps(product, whole), _mm512_set1_ps(0.5f), _CMP_GE_OQ);
    __m512i c2 = _mm512_add_epi32(_mm512_cvttps_epi32(whole), brightness);
    c2 = _mm512_mask_add_epi32(c2, roundsUp, c2, _mm512_set1_epi32(1));
    return _mm512_min_epi32(_mm512_max_epi32(c2, _mm512_setzero_si512()), _mm512_set1_epi32(255));
}

// The colour adjustment's parameters as vectors, made once per row (the frame row could
// alias the setup).
struct AdjustVectors {
    __m512i saturation;
    __m512 contrast;
    __m512i brightness;
};

REELWORK_AVX512 inline AdjustVectors MakeAdjustVectors(const DrawSetup& s) {
    return {_mm512_set1_epi32(2 * s.saturation - 254), _mm512_set1_ps(s.contrastFactor),
            _mm512_set1_epi32(s.brightness)};
}

// Saturation, contrast and brightness on red and blue (a 16-bit pair) and green.
REELWORK_AVX512 inline void AdjustColour(const AdjustVectors& a, __m512i& redBlue, __m512i& green) {
    const __m512i red = _mm512_and_si512(redBlue, _mm512_set1_epi32(0xFFFF));
    const __m512i blue = _mm512_srli_epi32(redBlue, 16);
    const __m512i weighted = _mm512_add_epi32(
        _mm512_add_epi32(_mm512_mullo_epi32(red, _mm512_set1_epi32(299)),
                         _mm512_mullo_epi32(green, _mm512_set1_epi32(587))),
        _mm512_add_epi32(_mm512_mullo_epi32(blue, _mm512_set1_epi32(114)), _mm512_set1_epi32(500)));
    const __m512i luminance = DivideExact(weighted, _mm512_set1_ps(1.0f / 1000.0f));
    const __m512i r = AdjustChannel(red, luminance, a.saturation, a.contrast, a.brightness);
    const __m512i g = AdjustChannel(green, luminance, a.saturation, a.contrast, a.brightness);
    const __m512i b = AdjustChannel(blue, luminance, a.saturation, a.contrast, a.brightness);
    redBlue = _mm512_or_si512(r, _mm512_slli_epi32(b, 16));
    green = g;
}

// The texel pairs (x0, y0) and (x0 + 1, y0) of sixteen pixels whose pair starts at texel
// at[i] + offset, each pair loaded as one 8-byte word (plain loads: a gather is slower):
// left and right neighbours in lane order.
REELWORK_AVX512 __attribute__((always_inline)) inline void LoadPairs(const int* texels,
                                                                     const int32_t* at,
                                                                     int32_t offset, __m512i& left,
                                                                     __m512i& right) {
    auto pair = [&](int i) {
        long long word;
        std::memcpy(&word, texels + at[i] + offset, 8);
        return word;
    };
    const __m512i low =
        _mm512_set_epi64(pair(7), pair(6), pair(5), pair(4), pair(3), pair(2), pair(1), pair(0));
    const __m512i high = _mm512_set_epi64(pair(15), pair(14), pair(13), pair(12), pair(11),
                                          pair(10), pair(9), pair(8));
    const __m512i even =
        _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30);
    left = _mm512_permutex2var_epi32(low, even, high);
    right = _mm512_permutex2var_epi32(low, _mm512_add_epi32(even, _mm512_set1_epi32(1)), high);
}

// The bytes of the first `count` of sixteen frame pixels, at most 16 (48 bytes).
REELWORK_AVX512 inline __mmask64 FrameBytes(int32_t count) {
    return count >= 16 ? __mmask64(0xFFFFFFFFFFFF) : (__mmask64(1) << (3 * count)) - 1;
}

// Sixteen frame pixels as four 128-bit lanes of four pixels (12 bytes each); bytes past the
// row's end are neither read nor written.
REELWORK_AVX512 inline __m512i LoadFramePixels(const uint8_t* at, __mmask64 bytes) {
    return _mm512_permutexvar_epi32(
        _mm512_setr_epi32(0, 1, 2, 0, 3, 4, 5, 0, 6, 7, 8, 0, 9, 10, 11, 0),
        _mm512_maskz_loadu_epi8(bytes, at));
}

REELWORK_AVX512 inline void StoreFramePixels(uint8_t* at, __mmask64 bytes, __m512i lanes) {
    const __m512i packed = _mm512_permutexvar_epi32(
        _mm512_setr_epi32(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 0, 0, 0, 0), lanes);
    _mm512_mask_storeu_epi8(at, bytes, packed);
}

}  // namespace

REELWORK_AVX512 void DrawRowAvx512(const DrawSetup& s, uint8_t* row, int32_t y, int32_t xBegin,
                                   int32_t xEnd) {
    const float dy = float(y) - s.centreY;
    const __m512 dySz = _mm512_set1_ps(dy * s.sz), dyCz = _mm512_set1_ps(dy * s.cz);
    const __m512 cz = _mm512_set1_ps(s.cz), sz = _mm512_set1_ps(s.sz);
    const __m512 ku = _mm512_set1_ps(s.ku), kv = _mm512_set1_ps(s.kv);
    const __m512 halfWidth = _mm512_set1_ps(s.halfWidth), halfHeight = _mm512_set1_ps(s.halfHeight);
    const __m512 limitU = _mm512_set1_ps(s.limitU), limitV = _mm512_set1_ps(s.limitV);
    const __m512 minusOne = _mm512_set1_ps(-1.0f), k255 = _mm512_set1_ps(255.0f);
    const __m512 centreX = _mm512_set1_ps(s.centreX);
    const __m512i lanes = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m512i end = _mm512_set1_epi32(xEnd);
    const __m512i width = _mm512_set1_epi32(int32_t(s.pictureWidth));
    const __m512i lastX = _mm512_set1_epi32(int32_t(s.pictureWidth) - 1);
    const __m512i lastY = _mm512_set1_epi32(int32_t(s.pictureHeight) - 1);
    const __m512i minusOneI = _mm512_set1_epi32(-1);
    const __m512i white = _mm512_set1_epi32(0x00FFFFFF);  // outside the picture
    const __m512i pairMask = _mm512_set1_epi32(0x00FF00FF);
    const __m512i transparency = _mm512_set1_epi32(int32_t(s.transparency));
    const __m512i k255i = _mm512_set1_epi32(255);
    const int* texels = reinterpret_cast<const int*>(s.picture);
    const int32_t rowBelow = int32_t(s.pictureWidth);
    const bool adjust = s.adjust;
    const AdjustVectors adjustment = MakeAdjustVectors(s);
    // Frame bytes blue, green, red of four pixels per 128-bit lane <-> red, green, blue, 0.
    const __m512i unpack =
        _mm512_broadcast_i32x4(_mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1));
    const __m512i pack = _mm512_broadcast_i32x4(
        _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1));

    for (int32_t x = xBegin; x < xEnd; x += 16) {
        const __m512i column = _mm512_add_epi32(_mm512_set1_epi32(x), lanes);
        const __m512 dx = _mm512_sub_ps(_mm512_cvtepi32_ps(column), centreX);
        const __m512 u =
            _mm512_add_ps(_mm512_mul_ps(_mm512_sub_ps(_mm512_mul_ps(dx, cz), dySz), ku), halfWidth);
        const __m512 v = _mm512_add_ps(
            _mm512_mul_ps(_mm512_add_ps(dyCz, _mm512_mul_ps(dx, sz)), kv), halfHeight);
        const __mmask16 inside = _mm512_cmp_ps_mask(u, minusOne, _CMP_GT_OQ) &
                                 _mm512_cmp_ps_mask(u, limitU, _CMP_LT_OQ) &
                                 _mm512_cmp_ps_mask(v, minusOne, _CMP_GT_OQ) &
                                 _mm512_cmp_ps_mask(v, limitV, _CMP_LT_OQ) &
                                 _mm512_cmpgt_epi32_mask(end, column);
        if (inside == 0) continue;

        const __m512 fu = _mm512_roundscale_ps(u, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
        const __m512 fv = _mm512_roundscale_ps(v, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
        const __m512i fx = Twice(_mm512_cvttps_epi32(_mm512_mul_ps(_mm512_sub_ps(u, fu), k255)));
        const __m512i fy = Twice(_mm512_cvttps_epi32(_mm512_mul_ps(_mm512_sub_ps(v, fv), k255)));
        const __m512i x0 = _mm512_cvttps_epi32(fu), y0 = _mm512_cvttps_epi32(fv);
        const __m512i index = _mm512_add_epi32(_mm512_mullo_epi32(y0, width), x0);
        const __mmask16 left = inside & _mm512_cmpgt_epi32_mask(x0, minusOneI);
        const __mmask16 right = inside & _mm512_cmpgt_epi32_mask(lastX, x0);
        const __mmask16 top = _mm512_cmpgt_epi32_mask(y0, minusOneI);
        const __mmask16 bottom = _mm512_cmpgt_epi32_mask(lastY, y0);
        const __m512i below = _mm512_add_epi32(index, width);
        __m512i p00, p10, p01, p11;
        if ((left & right & top & bottom) == 0xFFFF) {
            // All sixteen pixels sample inside the picture: each neighbour pair is 8 bytes.
            alignas(64) int32_t at[16];
            _mm512_store_si512(at, index);
            LoadPairs(texels, at, 0, p00, p10);
            LoadPairs(texels, at, rowBelow, p01, p11);
        } else {
            const __m512i one = _mm512_set1_epi32(1);
            p00 = _mm512_mask_i32gather_epi32(white, top & left, index, texels, 4);
            p10 = _mm512_mask_i32gather_epi32(white, top & right, _mm512_add_epi32(index, one),
                                              texels, 4);
            p01 = _mm512_mask_i32gather_epi32(white, bottom & left, below, texels, 4);
            p11 = _mm512_mask_i32gather_epi32(white, bottom & right, _mm512_add_epi32(below, one),
                                              texels, 4);
        }

        // Bilinear mix, two channels per 32-bit lane: red with blue, green with alpha.
        const __m512i topRB =
            Mix16(_mm512_and_si512(p10, pairMask), _mm512_and_si512(p00, pairMask), fx);
        const __m512i bottomRB =
            Mix16(_mm512_and_si512(p11, pairMask), _mm512_and_si512(p01, pairMask), fx);
        const __m512i topGA = Mix16(_mm512_and_si512(_mm512_srli_epi32(p10, 8), pairMask),
                                    _mm512_and_si512(_mm512_srli_epi32(p00, 8), pairMask), fx);
        const __m512i bottomGA = Mix16(_mm512_and_si512(_mm512_srli_epi32(p11, 8), pairMask),
                                       _mm512_and_si512(_mm512_srli_epi32(p01, 8), pairMask), fx);
        __m512i redBlue = Mix16(bottomRB, topRB, fy);
        const __m512i greenAlpha = Mix16(bottomGA, topGA, fy);
        __m512i green = _mm512_and_si512(greenAlpha, _mm512_set1_epi32(0xFFFF));
        const __m512i alpha = _mm512_srli_epi32(greenAlpha, 16);
        if (adjust) AdjustColour(adjustment, redBlue, green);

        // Opacity Scale[T][alpha], 0 for pixels the picture does not reach.
        const __m512i f =
            _mm512_maskz_mov_epi32(inside, Div255(_mm512_mullo_epi16(alpha, transparency)));
        if (_mm512_test_epi32_mask(f, f) == 0) continue;

        uint8_t* target = row + 3 * x;
        const __mmask64 bytes = FrameBytes(xEnd - x);
        // Opaque pixels take the picture's colour whatever the frame (the blend with factor
        // 255 gives it too), so sixteen of them need not read the frame.
        __m512i outRB = redBlue, outG = green;
        if (_mm512_cmpeq_epi32_mask(f, k255i) != 0xFFFF) {
            const __m512i f2 = Twice(f);
            const __m512i frame = _mm512_shuffle_epi8(LoadFramePixels(target, bytes), unpack);
            outRB = Mix16(redBlue, _mm512_and_si512(frame, pairMask), f2);
            outG = Mix16(
                green, _mm512_and_si512(_mm512_srli_epi32(frame, 8), _mm512_set1_epi32(0xFF)), f2);
        }
        StoreFramePixels(
            target, bytes,
            _mm512_shuffle_epi8(_mm512_or_si512(outRB, _mm512_slli_epi32(outG, 8)), pack));
    }
}
