#include "editing/TimeScale.h"

#include <cmath>

#include "editing/Playhead.h"

namespace {

constexpr uint32_t kSteps[] = {100,   200,   500,   1000,   2000,   5000,  10000,
                               15000, 30000, 60000, 120000, 300000, 600000};

}  // namespace

int TimeScale::XOfTime(uint32_t ms) const {
    return int(std::floor(ms / 1000.0 * pixelsPerSecond_)) - scroll_;
}

uint32_t TimeScale::TimeAtX(int x) const {
    const double ms = (x + scroll_) * 1000.0 / pixelsPerSecond_;
    return ms <= 0 ? 0 : uint32_t(std::lround(ms));
}

uint32_t TimeScale::StepMs(int minGap) const {
    for (uint32_t step : kSteps) {
        if (step / 1000.0 * pixelsPerSecond_ >= minGap) return step;
    }
    return kSteps[std::size(kSteps) - 1];
}

uint32_t TimeScale::LabelStepMs(int minGap, int labelGap) const {
    const uint32_t step = StepMs(minGap);
    for (uint32_t label : kSteps) {
        if (label % step == 0 && label / 1000.0 * pixelsPerSecond_ >= labelGap) return label;
    }
    return kSteps[std::size(kSteps) - 1];
}

std::vector<TimeScale::Tick> TimeScale::Ticks(int width, int minGap, int labelGap) const {
    std::vector<Tick> ticks;
    const uint32_t step = StepMs(minGap);
    const uint32_t labelStep = LabelStepMs(minGap, labelGap);
    const uint32_t first = TimeAtX(0) / step * step;
    for (uint64_t ms = first;; ms += step) {
        const int x = XOfTime(uint32_t(ms));
        if (x >= width || ms > UINT32_MAX - step) break;
        if (x >= 0) ticks.push_back({x, uint32_t(ms), ms % labelStep == 0});
    }
    return ticks;
}

std::string TimeScale::Label(uint32_t ms, uint32_t labelStepMs) {
    const std::string text = Playhead::TimeText(ms);
    return labelStepMs < 1000 ? text : text.substr(0, text.size() - 2);
}
