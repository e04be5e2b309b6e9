// The per-pixel rule of PixelRule.h, eight frame pixels at a time with AVX2. Every operation
// matches the plain rule in kind, order and precision, so the bytes are the same; only the
// functions marked for AVX2 use it, and they run only when the processor has it.
#include <cstring>
#include <immintrin.h>

#include "render/RowKernel.h"

#define REELWORK_AVX2 __attribute__((target("avx2")))

namespace {

// x / 255 truncated, per 16-bit lane, for 0 <= x < 65535.
REELWORK_AVX2 inline __m256i Div255(__m256i x) {
    const __m256i one = _mm256_set1_epi16(1);
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(x, one), _mm256_srli_epi16(x, 8)),
                             8);
}

// CG::Mix per 16-bit lane: b moved towards a by f / 255, rounded.
REELWORK_AVX2 inline __m256i Mix16(__m256i a, __m256i b, __m256i f) {
    const __m256i k255 = _mm256_set1_epi16(255);
    const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(b, _mm256_sub_epi16(k255, f)),
                                         _mm256_mullo_epi16(a, f));
    return Div255(_mm256_add_epi16(sum, _mm256_set1_epi16(127)));
}

// A 32-bit lane's low 16 bits copied into its high 16 bits.
REELWORK_AVX2 inline __m256i Twice(__m256i x) {
    return _mm256_or_si256(x, _mm256_slli_epi32(x, 16));
}

// n / d truncated towards zero, for |n| < 2^18 and d a divisor of at most 1000 given as its
// single-precision reciprocal. The quotient of n + 0.5 (n - 0.5 below zero) lies at least
// 0.5 / d inside the truncated integer, far more than the product's rounding error, so the
// multiplication gives the exact integer quotient without a division.
REELWORK_AVX2 inline __m256i DivideExact(__m256i n, __m256 reciprocal) {
    const __m256 value = _mm256_cvtepi32_ps(n);
    const __m256 half =
        _mm256_or_ps(_mm256_and_ps(value, _mm256_set1_ps(-0.0f)), _mm256_set1_ps(0.5f));
    return _mm256_cvttps_epi32(_mm256_mul_ps(_mm256_add_ps(value, half), reciprocal));
}

// One channel of the colour adjustment: c1 after saturation, then contrast and brightness,
// truncated and clamped. The plain rule adds 127.5 and (brightness - 127) to the
// single-precision product in double precision, which is exact; so the result is
// floor(product) + brightness, plus one when the product's fraction is at least one half. Sums
// below zero, where truncation and floor differ, clamp to 0 either way.
REELWORK_AVX2 inline __m256i AdjustChannel(__m256i c, __m256i luminance, __m256i saturation,
                                           __m256 contrast, __m256i brightness) {
    const __m256i n = _mm256_add_epi32(
        _mm256_mullo_epi32(_mm256_sub_epi32(c, luminance), saturation), _mm256_set1_epi32(127));
    const __m256i c1 = _mm256_add_epi32(c, DivideExact(n, _mm256_set1_ps(1.0f / 254.0f)));
    const __m256 product =
        _mm256_mul_ps(_mm256_sub_ps(_mm256_cvtepi32_ps(c1), _mm256_set1_ps(127.5f)), contrast);
    const __m256 whole = _mm256_floor_ps(product);
    const __m256i roundsUp = _mm256_castps_si256(
        _mm256_cmp_ps(_mm256_sub_ps(product, whole), _mm256_set1_ps(0.5f), _CMP_GE_OQ));
    const __m256i c2 =
        _mm256_sub_epi32(_mm256_add_epi32(_mm256_cvttps_epi32(whole), brightness), roundsUp);
    return _mm256_min_epi32(_mm256_max_epi32(c2, _mm256_setzero_si256()), _mm256_set1_epi32(255));
}

// The colour adjustment's parameters as vectors, made once per row: the frame row the kernel
// writes could alias the setup, so the loop must not read it.
struct AdjustVectors {
    __m256i saturation;
    __m256 contrast;
    __m256i brightness;
};

REELWORK_AVX2 inline AdjustVectors MakeAdjustVectors(const DrawSetup& s) {
    return {_mm256_set1_epi32(2 * s.saturation - 254), _mm256_set1_ps(s.contrastFactor),
            _mm256_set1_epi32(s.brightness)};
}

// Saturation, contrast and brightness on red and blue (a 16-bit pair) and green.
REELWORK_AVX2 inline void AdjustColour(const AdjustVectors& a, __m256i& redBlue, __m256i& green) {
    const __m256i low = _mm256_set1_epi32(0xFFFF);
    const __m256i red = _mm256_and_si256(redBlue, low);
    const __m256i blue = _mm256_srli_epi32(redBlue, 16);
    const __m256i weighted = _mm256_add_epi32(
        _mm256_add_epi32(_mm256_mullo_epi32(red, _mm256_set1_epi32(299)),
                         _mm256_mullo_epi32(green, _mm256_set1_epi32(587))),
        _mm256_add_epi32(_mm256_mullo_epi32(blue, _mm256_set1_epi32(114)), _mm256_set1_epi32(500)));
    const __m256i luminance = DivideExact(weighted, _mm256_set1_ps(1.0f / 1000.0f));
    const __m256i r = AdjustChannel(red, luminance, a.saturation, a.contrast, a.brightness);
    const __m256i g = AdjustChannel(green, luminance, a.saturation, a.contrast, a.brightness);
    const __m256i b = AdjustChannel(blue, luminance, a.saturation, a.contrast, a.brightness);
    redBlue = _mm256_or_si256(r, _mm256_slli_epi32(b, 16));
    green = g;
}

// The texel pairs (x0, y0) and (x0 + 1, y0) of eight pixels whose pair starts at texel
// at[i] + offset, each pair loaded as one 8-byte word: left and right neighbours in lane order.
REELWORK_AVX2 __attribute__((always_inline)) inline void LoadPairs(const int* texels,
                                                                   const int32_t* at,
                                                                   int32_t offset, __m256i& left,
                                                                   __m256i& right) {
    auto pair = [&](int i) {
        long long word;
        std::memcpy(&word, texels + at[i] + offset, 8);
        return word;
    };
    // Pairs 0, 1 | 4, 5 and 2, 3 | 6, 7, so that taking the even and the odd words of both
    // gives the eight pixels in order.
    const __m256 a = _mm256_castsi256_ps(_mm256_set_epi64x(pair(5), pair(4), pair(1), pair(0)));
    const __m256 b = _mm256_castsi256_ps(_mm256_set_epi64x(pair(7), pair(6), pair(3), pair(2)));
    left = _mm256_castps_si256(_mm256_shuffle_ps(a, b, 0x88));
    right = _mm256_castps_si256(_mm256_shuffle_ps(a, b, 0xDD));
}

// Eight frame pixels (24 bytes) as two 128-bit lanes of four pixels (12 bytes each), read
// straight from the row: a copy through the stack would stall on store forwarding.
REELWORK_AVX2 inline __m256i LoadFramePixels(const uint8_t* at) {
    const __m256i words = _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at))),
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(at + 16)), 1);
    return _mm256_permutevar8x32_epi32(words, _mm256_setr_epi32(0, 1, 2, 3, 3, 4, 5, 6));
}

// The inverse: the first 12 bytes of each lane written as 24 frame bytes.
REELWORK_AVX2 inline void StoreFramePixels(uint8_t* at, __m256i lanes) {
    const __m256i packed =
        _mm256_permutevar8x32_epi32(lanes, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), _mm256_castsi256_si128(packed));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(at + 16), _mm256_extracti128_si256(packed, 1));
}

}  // namespace

REELWORK_AVX2 void DrawRowAvx2(const DrawSetup& s, uint8_t* row, int32_t y, int32_t xBegin,
                               int32_t xEnd) {
    const float dy = float(y) - s.centreY;
    const __m256 dySz = _mm256_set1_ps(dy * s.sz), dyCz = _mm256_set1_ps(dy * s.cz);
    const __m256 cz = _mm256_set1_ps(s.cz), sz = _mm256_set1_ps(s.sz);
    const __m256 ku = _mm256_set1_ps(s.ku), kv = _mm256_set1_ps(s.kv);
    const __m256 halfWidth = _mm256_set1_ps(s.halfWidth), halfHeight = _mm256_set1_ps(s.halfHeight);
    const __m256 limitU = _mm256_set1_ps(s.limitU), limitV = _mm256_set1_ps(s.limitV);
    const __m256 minusOne = _mm256_set1_ps(-1.0f), k255 = _mm256_set1_ps(255.0f);
    const __m256 centreX = _mm256_set1_ps(s.centreX);
    const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    const __m256i end = _mm256_set1_epi32(xEnd);
    const __m256i width = _mm256_set1_epi32(int32_t(s.pictureWidth));
    const __m256i lastX = _mm256_set1_epi32(int32_t(s.pictureWidth) - 1);
    const __m256i lastY = _mm256_set1_epi32(int32_t(s.pictureHeight) - 1);
    const __m256i minusOneI = _mm256_set1_epi32(-1);
    const __m256i white = _mm256_set1_epi32(0x00FFFFFF);  // outside the picture
    const __m256i pairMask = _mm256_set1_epi32(0x00FF00FF);
    const __m256i transparency = _mm256_set1_epi32(int32_t(s.transparency));
    const __m256i k255i = _mm256_set1_epi32(255);
    const int* texels = reinterpret_cast<const int*>(s.picture);
    const int32_t rowBelow = int32_t(s.pictureWidth);
    const bool adjust = s.adjust;
    const AdjustVectors adjustment = MakeAdjustVectors(s);
    // Frame bytes blue, green, red of four pixels per 128-bit lane <-> red, green, blue, 0.
    const __m256i unpack = _mm256_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1, 2,
                                            1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m256i pack = _mm256_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1, 2,
                                          1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);

    for (int32_t x = xBegin; x < xEnd; x += 8) {
        const __m256i column = _mm256_add_epi32(_mm256_set1_epi32(x), lanes);
        const __m256 dx = _mm256_sub_ps(_mm256_cvtepi32_ps(column), centreX);
        const __m256 u =
            _mm256_add_ps(_mm256_mul_ps(_mm256_sub_ps(_mm256_mul_ps(dx, cz), dySz), ku), halfWidth);
        const __m256 v = _mm256_add_ps(
            _mm256_mul_ps(_mm256_add_ps(dyCz, _mm256_mul_ps(dx, sz)), kv), halfHeight);
        const __m256 insideU = _mm256_and_ps(_mm256_cmp_ps(u, minusOne, _CMP_GT_OQ),
                                             _mm256_cmp_ps(u, limitU, _CMP_LT_OQ));
        const __m256 insideV = _mm256_and_ps(_mm256_cmp_ps(v, minusOne, _CMP_GT_OQ),
                                             _mm256_cmp_ps(v, limitV, _CMP_LT_OQ));
        const __m256i inside = _mm256_and_si256(
            _mm256_castps_si256(_mm256_and_ps(insideU, insideV)), _mm256_cmpgt_epi32(end, column));
        if (_mm256_testz_si256(inside, inside)) continue;

        const __m256 fu = _mm256_floor_ps(u), fv = _mm256_floor_ps(v);
        const __m256i fx = Twice(_mm256_cvttps_epi32(_mm256_mul_ps(_mm256_sub_ps(u, fu), k255)));
        const __m256i fy = Twice(_mm256_cvttps_epi32(_mm256_mul_ps(_mm256_sub_ps(v, fv), k255)));
        const __m256i x0 = _mm256_cvttps_epi32(fu), y0 = _mm256_cvttps_epi32(fv);
        const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(y0, width), x0);
        __m256i p00, p10, p01, p11;
        const __m256i interior = _mm256_and_si256(
            _mm256_and_si256(_mm256_cmpgt_epi32(x0, minusOneI), _mm256_cmpgt_epi32(lastX, x0)),
            _mm256_and_si256(_mm256_cmpgt_epi32(y0, minusOneI), _mm256_cmpgt_epi32(lastY, y0)));
        if (_mm256_movemask_epi8(_mm256_and_si256(inside, interior)) == -1) {
            // All eight pixels sample inside the picture: each neighbour pair is 8 bytes.
            alignas(32) int32_t at[8];
            _mm256_store_si256(reinterpret_cast<__m256i*>(at), index);
            LoadPairs(texels, at, 0, p00, p10);
            LoadPairs(texels, at, rowBelow, p01, p11);
        } else {
            const __m256i left = _mm256_and_si256(inside, _mm256_cmpgt_epi32(x0, minusOneI));
            const __m256i right = _mm256_and_si256(inside, _mm256_cmpgt_epi32(lastX, x0));
            const __m256i top = _mm256_cmpgt_epi32(y0, minusOneI);
            const __m256i bottom = _mm256_cmpgt_epi32(lastY, y0);
            const __m256i below = _mm256_add_epi32(index, width);
            const __m256i one = _mm256_set1_epi32(1);
            p00 = _mm256_mask_i32gather_epi32(white, texels, index, _mm256_and_si256(top, left), 4);
            p10 = _mm256_mask_i32gather_epi32(white, texels, _mm256_add_epi32(index, one),
                                              _mm256_and_si256(top, right), 4);
            p01 = _mm256_mask_i32gather_epi32(white, texels, below, _mm256_and_si256(bottom, left),
                                              4);
            p11 = _mm256_mask_i32gather_epi32(white, texels, _mm256_add_epi32(below, one),
                                              _mm256_and_si256(bottom, right), 4);
        }

        // Bilinear mix, two channels per 32-bit lane: red with blue, green with alpha.
        const __m256i topRB =
            Mix16(_mm256_and_si256(p10, pairMask), _mm256_and_si256(p00, pairMask), fx);
        const __m256i bottomRB =
            Mix16(_mm256_and_si256(p11, pairMask), _mm256_and_si256(p01, pairMask), fx);
        const __m256i topGA = Mix16(_mm256_and_si256(_mm256_srli_epi32(p10, 8), pairMask),
                                    _mm256_and_si256(_mm256_srli_epi32(p00, 8), pairMask), fx);
        const __m256i bottomGA = Mix16(_mm256_and_si256(_mm256_srli_epi32(p11, 8), pairMask),
                                       _mm256_and_si256(_mm256_srli_epi32(p01, 8), pairMask), fx);
        __m256i redBlue = Mix16(bottomRB, topRB, fy);
        const __m256i greenAlpha = Mix16(bottomGA, topGA, fy);
        __m256i green = _mm256_and_si256(greenAlpha, _mm256_set1_epi32(0xFFFF));
        const __m256i alpha = _mm256_srli_epi32(greenAlpha, 16);
        if (adjust) AdjustColour(adjustment, redBlue, green);

        // Opacity Scale[T][alpha], 0 for pixels the picture does not reach.
        const __m256i f = _mm256_and_si256(Div255(_mm256_mullo_epi16(alpha, transparency)), inside);
        if (_mm256_testz_si256(f, f)) continue;
        uint8_t* target = row + 3 * x;
        const int32_t count = xEnd - x;
        uint8_t tail[24];
        if (count < 8) {  // the row ends within these eight pixels
            std::memset(tail, 0, sizeof tail);
            std::memcpy(tail, target, size_t(3 * count));
            target = tail;
        }
        // Opaque pixels take the picture's colour whatever the frame (the blend with factor
        // 255 gives it too), so eight of them need not read the frame.
        __m256i outRB = redBlue, outG = green;
        if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(f, k255i)) != -1) {
            const __m256i f2 = Twice(f);
            const __m256i frame = _mm256_shuffle_epi8(LoadFramePixels(target), unpack);
            outRB = Mix16(redBlue, _mm256_and_si256(frame, pairMask), f2);
            outG = Mix16(
                green, _mm256_and_si256(_mm256_srli_epi32(frame, 8), _mm256_set1_epi32(0xFF)), f2);
        }
        StoreFramePixels(
            target, _mm256_shuffle_epi8(_mm256_or_si256(outRB, _mm256_slli_epi32(outG, 8)), pack));
        if (count < 8) std::memcpy(row + 3 * x, tail, size_t(3 * count));
    }
}
