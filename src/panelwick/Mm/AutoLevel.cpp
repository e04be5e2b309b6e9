#include "panelwick/Mm/AutoLevel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Mm {

AutoLevel::AutoLevel() : line_(size_t(kLength), Record{0.0, 0.0, 16383.5}) {
    (void)flag_;
    (void)bits_;
    (void)fullScale_;
    attackFactor_ = Factor(attackRate_);
    releaseFactor_ = Factor(releaseRate_);
}

double AutoLevel::Factor(double rate) const {
    return std::pow(10.0, -std::fabs(rate) / double(sampleRate_ * 20));
}

void AutoLevel::SetRates(double attackRate, double releaseRate) {
    attackRate_ = attackRate;
    releaseRate_ = releaseRate;
    attackFactor_ = Factor(attackRate_);
    releaseFactor_ = Factor(releaseRate_);
}

template <bool kTruncatePeaks>
AutoLevel::Record AutoLevel::Push(double left, double right, double level) {
    const Record taken = line_[size_t(index_)];
    const bool newPeak = level > envelope_;
    if (newPeak) envelope_ = level;
    line_[size_t(index_)] = Record{left, right, envelope_};
    if (newPeak) {
        double v = envelope_;
        int32_t j = index_;
        for (int32_t count = 0; count < length_; ++count) {
            j = j == 0 ? length_ - 1 : j - 1;
            Record& r = line_[size_t(j)];
            if (r.peak > v) break;
            r.peak = kTruncatePeaks ? double(int32_t(v)) : v;
            v *= attackFactor_;
        }
    }
    envelope_ *= releaseFactor_;
    if (++index_ == length_) index_ = 0;
    return taken;
}

void AutoLevel::Process(double left, double right, double& outLeft, double& outRight) {
    const double a = std::fabs(left), b = std::fabs(right);
    const double level = a > b ? a : b;
    const Record r = Push<false>(left, right, level);
    const double peak = double(minimumLevel_) > r.peak ? double(minimumLevel_) : r.peak;
    outLeft = targetLevel_ * r.left / peak;
    outRight = targetLevel_ * r.right / peak;
}

void AutoLevel::Process(int32_t left, int32_t right, int32_t& outLeft, int32_t& outRight) {
    const int32_t level = std::max(std::abs(left), std::abs(right));
    const Record r = Push<false>(double(left), double(right), double(level));
    if (double(minimumLevel_) > r.peak) {
        outLeft = int32_t(r.left) * targetLevel_ / minimumLevel_;
        outRight = int32_t(r.right) * targetLevel_ / minimumLevel_;
    } else {
        outLeft = int32_t(targetLevel_ * r.left / r.peak);
        outRight = int32_t(targetLevel_ * r.right / r.peak);
    }
}

int32_t AutoLevel::TrackEnvelope(int32_t left, int32_t right) {
    const int32_t level = std::max(std::abs(left), std::abs(right));
    return int32_t(Push<true>(double(left), double(right), double(level)).peak);
}

}  // namespace Mm
