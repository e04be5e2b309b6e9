#include "panelwick/Mm/ShelfFilter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "panelwick/Mm/VectorPath.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Mm {

void ShelfFilter::SetPassThrough() {
    b0_ = 1.0;
    b1_ = b2_ = a1_ = a2_ = 0.0;
    ClearState();
}

void ShelfFilter::ClearState() {
    left_ = State{};
    right_ = State{};
    scratch_ = 0.0;
}

void ShelfFilter::DesignLowShelf(bool normalised, double gainDb, double q, double frequency,
                                 double sampleRate) {
    if (gainDb == 0.0) {
        SetPassThrough();
        return;
    }
    const double g = std::clamp(gainDb, -20.0, 20.0);
    const double A = std::pow(10.0, g / 40.0);
    const double f = std::clamp(frequency, 29.0, 220.0);
    q = std::clamp(q, 0.52, 0.9);
    const double w = 2.0 * std::numbers::pi * f / sampleRate;
    const double c = std::cos(w);
    const double beta = std::sqrt(A) * std::sin(w) / q;
    const double a0 = (A + 1) + (A - 1) * c + beta;
    if (normalised && g > 0) {
        b0_ = ((A + 1) - (A - 1) * c + beta) / A / a0;
        b1_ = 2 * ((A - 1) - (A + 1) * c) / A / a0;
        b2_ = ((A + 1) - (A - 1) * c - beta) / A / a0;
    } else {
        b0_ = A * ((A + 1) - (A - 1) * c + beta) / a0;
        b1_ = 2 * A * ((A - 1) - (A + 1) * c) / a0;
        b2_ = A * ((A + 1) - (A - 1) * c - beta) / a0;
    }
    a1_ = -2 * ((A - 1) + (A + 1) * c) / a0;
    a2_ = ((A + 1) + (A - 1) * c - beta) / a0;
    ClearState();
}

void ShelfFilter::DesignHighShelf(double gainDb, double frequency) {
    if (gainDb == 0.0) {
        SetPassThrough();
        return;
    }
    const double g = std::clamp(gainDb, -20.0, 20.0);
    const double A = std::pow(10.0, g / 40.0);
    const double f = std::clamp(frequency, 1000.0, 15000.0);
    const double w = 2.0 * std::numbers::pi * f / 44100.0;
    const double c = std::cos(w);
    const double beta = std::sqrt(A) * std::sin(w) / 0.8;
    const double a0 = (A + 1) - (A - 1) * c + beta;
    b0_ = A * ((A + 1) + (A - 1) * c + beta) / a0;
    b1_ = -2 * A * ((A - 1) + (A + 1) * c) / a0;
    b2_ = A * ((A + 1) + (A - 1) * c - beta) / a0;
    a1_ = 2 * ((A - 1) - (A + 1) * c) / a0;
    a2_ = ((A + 1) - (A - 1) * c - beta) / a0;
    ClearState();
}

void ShelfFilter::FilterStereo(double& left, double& right) {
#if defined(__SSE2__)
    if (UseVectorPath()) {
        const __m128d x = _mm_set_pd(right, left);
        const __m128d w1 = _mm_set_pd(right_.w1, left_.w1);
        const __m128d w2 = _mm_set_pd(right_.w2, left_.w2);
        const __m128d w = _mm_sub_pd(_mm_sub_pd(x, _mm_mul_pd(_mm_set1_pd(a1_), w1)),
                                     _mm_mul_pd(_mm_set1_pd(a2_), w2));
        const __m128d y = _mm_add_pd(
            _mm_add_pd(_mm_mul_pd(_mm_set1_pd(b0_), w), _mm_mul_pd(_mm_set1_pd(b1_), w1)),
            _mm_mul_pd(_mm_set1_pd(b2_), w2));
        _mm_storel_pd(&left_.w2, w1);
        _mm_storeh_pd(&right_.w2, w1);
        _mm_storel_pd(&left_.w1, w);
        _mm_storeh_pd(&right_.w1, w);
        _mm_storeh_pd(&scratch_, w);
        _mm_storel_pd(&left, y);
        _mm_storeh_pd(&right, y);
        return;
    }
#endif
    left = FilterLeft(left);
    right = FilterRight(right);
}

void ShelfFilter::FilterStereoFrames(double* samples, size_t frames) {
#if defined(__SSE2__)
    if (UseVectorPath()) {
        const __m128d a1 = _mm_set1_pd(a1_), a2 = _mm_set1_pd(a2_);
        const __m128d b0 = _mm_set1_pd(b0_), b1 = _mm_set1_pd(b1_), b2 = _mm_set1_pd(b2_);
        __m128d w1 = _mm_set_pd(right_.w1, left_.w1);
        __m128d w2 = _mm_set_pd(right_.w2, left_.w2);
        __m128d w = w1;
        for (size_t f = 0; f < frames; ++f) {
            const __m128d x = _mm_loadu_pd(samples + 2 * f);
            w = _mm_sub_pd(_mm_sub_pd(x, _mm_mul_pd(a1, w1)), _mm_mul_pd(a2, w2));
            const __m128d y =
                _mm_add_pd(_mm_add_pd(_mm_mul_pd(b0, w), _mm_mul_pd(b1, w1)), _mm_mul_pd(b2, w2));
            w2 = w1;
            w1 = w;
            _mm_storeu_pd(samples + 2 * f, y);
        }
        _mm_storel_pd(&left_.w1, w1);
        _mm_storeh_pd(&right_.w1, w1);
        _mm_storel_pd(&left_.w2, w2);
        _mm_storeh_pd(&right_.w2, w2);
        if (frames > 0) _mm_storeh_pd(&scratch_, w);
        return;
    }
#endif
    for (size_t f = 0; f < frames; ++f) {
        samples[2 * f] = FilterLeft(samples[2 * f]);
        samples[2 * f + 1] = FilterRight(samples[2 * f + 1]);
    }
}

}  // namespace Mm
