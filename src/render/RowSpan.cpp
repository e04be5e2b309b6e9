#include "render/RowSpan.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Relative bound, with a wide margin, of the rounding error of the single-precision u and v.
constexpr double kRelativeError = 1.0 / (1 << 20);

}  // namespace

RowSpan::RowSpan(const DrawSetup& setup, int32_t frameWidth) : s_(setup), frameWidth_(frameWidth) {
    maxDx_ = std::max(std::fabs(double(s_.centreX)), std::fabs(double(frameWidth) - s_.centreX)) + 1;
}

void RowSpan::Narrow(double slope, double offset, double low, double high, double& lo,
                     double& hi) const {
    if (slope == 0) {
        if (!(offset > low && offset < high)) hi = lo;  // the whole row, or none of it
        return;
    }
    double a = s_.centreX + (low - offset) / slope;
    double b = s_.centreX + (high - offset) / slope;
    if (a > b) std::swap(a, b);
    lo = std::max(lo, std::floor(a) - 1);
    hi = std::min(hi, std::ceil(b) + 2);
}

bool RowSpan::Columns(int32_t y, int32_t& xBegin, int32_t& xEnd) const {
    // The exact values u = slopeU (X - centreX) + offsetU and v likewise, from the same
    // single-precision inputs the per-pixel test uses.
    const double dy = double(float(y) - s_.centreY);
    const double ku = s_.ku, kv = s_.kv, cz = s_.cz, sz = s_.sz;
    const double slopeU = cz * ku, offsetU = -(dy * sz) * ku + s_.halfWidth;
    const double slopeV = sz * kv, offsetV = (dy * cz) * kv + s_.halfHeight;
    const double errorU = ((maxDx_ * std::fabs(cz) + std::fabs(dy * sz)) * std::fabs(ku) +
                           s_.limitU + 2) * kRelativeError;
    const double errorV = ((maxDx_ * std::fabs(sz) + std::fabs(dy * cz)) * std::fabs(kv) +
                           s_.limitV + 2) * kRelativeError;
    double lo = 0, hi = frameWidth_;
    const double values[] = {slopeU, offsetU, slopeV, offsetV, errorU, errorV};
    if (std::all_of(std::begin(values), std::end(values), [](double d) { return std::isfinite(d); })) {
        Narrow(slopeU, offsetU, -1 - errorU, s_.limitU + errorU, lo, hi);
        Narrow(slopeV, offsetV, -1 - errorV, s_.limitV + errorV, lo, hi);
    }
    if (!(lo < hi)) return false;
    xBegin = int32_t(lo);
    xEnd = int32_t(hi);
    return true;
}
