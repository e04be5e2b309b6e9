#pragma once

#include <cstddef>
#include <cstdint>

#include "panelwick/Mm/AudioKernels.h"

namespace Mm {

// A biquad shelving filter in direct form II with its own state for a left and a right
// channel. Coefficients are normalised so that a0 = 1; the pass-through filter has b0 = 1 and
// every other coefficient 0.
class ShelfFilter {
public:
    struct State {
        double w1 = 0.0, w2 = 0.0;
    };

    // Low shelf at frequency (clamped to 29..220 Hz) with gain dB (clamped to -20..20) and Q
    // (clamped to 0.52..0.9). Normalised with a positive gain keeps unity gain below the
    // corner and cuts above it instead. A gain of 0 gives the pass-through filter.
    void DesignLowShelf(bool normalised, double gainDb, double q, double frequency,
                        double sampleRate);
    // High shelf at frequency (clamped to 1000..15000 Hz), Q 0.8, 44100 Hz.
    void DesignHighShelf(double gainDb, double frequency);
    void SetPassThrough();
    void ClearState();

    bool IsPassThrough() const {
        return b0_ == 1.0 && b1_ == 0.0 && b2_ == 0.0 && a1_ == 0.0 && a2_ == 0.0;
    }

    double FilterLeft(double x) { return Filter(x, left_); }
    double FilterRight(double x) { return Filter(x, right_); }

    // Interleaved stereo frames (left, right, left, ...) filtered in place with the table's
    // kernel: the same arithmetic as FilterLeft and FilterRight, frame after frame.
    void FilterStereoFrames(double* samples, size_t frames,
                            const AudioKernels& kernels = AudioKernels::Active()) {
        kernels.filterStereoFrames(*this, samples, frames);
    }
    // The kernels: the plain rule, and both channels in one SSE2 register with the state kept
    // in registers across the block (x86-64 only).
    static void FilterFramesPlain(ShelfFilter& filter, double* samples, size_t frames);
    static void FilterFramesSse2(ShelfFilter& filter, double* samples, size_t frames);

    double b0() const { return b0_; }
    double b1() const { return b1_; }
    double b2() const { return b2_; }
    double a1() const { return a1_; }
    double a2() const { return a2_; }
    const State& leftState() const { return left_; }
    const State& rightState() const { return right_; }

private:
    double Filter(double x, State& s) {
        const double w = x - a1_ * s.w1 - a2_ * s.w2;
        const double y = b0_ * w + b1_ * s.w1 + b2_ * s.w2;
        s.w2 = s.w1;
        s.w1 = w;
        scratch_ = w;
        return y;
    }

    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double scratch_ = 0.0;  // the last intermediate value
    State left_, right_;
};

}  // namespace Mm
