// The shelving filter's block kernel with SSE2: the left channel in the low lane, the right in
// the high lane, every operation the plain rule's in kind, order and precision.
#include "panelwick/Mm/ShelfFilter.h"

#if defined(__x86_64__)

#include <emmintrin.h>

namespace Mm {

void ShelfFilter::FilterFramesSse2(ShelfFilter& f, double* samples, size_t frames) {
    const __m128d a1 = _mm_set1_pd(f.a1_), a2 = _mm_set1_pd(f.a2_);
    const __m128d b0 = _mm_set1_pd(f.b0_), b1 = _mm_set1_pd(f.b1_), b2 = _mm_set1_pd(f.b2_);
    __m128d w1 = _mm_set_pd(f.right_.w1, f.left_.w1);
    __m128d w2 = _mm_set_pd(f.right_.w2, f.left_.w2);
    __m128d w = w1;
    for (size_t k = 0; k < frames; ++k) {
        const __m128d x = _mm_loadu_pd(samples + 2 * k);
        w = _mm_sub_pd(_mm_sub_pd(x, _mm_mul_pd(a1, w1)), _mm_mul_pd(a2, w2));
        const __m128d y =
            _mm_add_pd(_mm_add_pd(_mm_mul_pd(b0, w), _mm_mul_pd(b1, w1)), _mm_mul_pd(b2, w2));
        w2 = w1;
        w1 = w;
        _mm_storeu_pd(samples + 2 * k, y);
    }
    _mm_storel_pd(&f.left_.w1, w1);
    _mm_storeh_pd(&f.right_.w1, w1);
    _mm_storel_pd(&f.left_.w2, w2);
    _mm_storeh_pd(&f.right_.w2, w2);
    // The plain rule leaves the right channel's last intermediate value behind.
    if (frames > 0) _mm_storeh_pd(&f.scratch_, w);
}

}  // namespace Mm

#endif
