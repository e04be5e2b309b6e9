#include "panelwick/Mm/ShelfFilter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

void ShelfFilter::FilterFramesPlain(ShelfFilter& filter, double* samples, size_t frames) {
    for (size_t f = 0; f < frames; ++f) {
        samples[2 * f] = filter.FilterLeft(samples[2 * f]);
        samples[2 * f + 1] = filter.FilterRight(samples[2 * f + 1]);
    }
}

}  // namespace Mm
