#include "editing/TimelineGeometry.h"

#include <algorithm>
#include <cmath>

void TimelineGeometry::SetViewWidth(int width) {
    viewWidth_ = std::max(0, width);
    ZoomAround(pixelsPerSecond(), 0);  // the range may have grown
}

double TimelineGeometry::MinPixelsPerSecond() const {
    const double hour = viewWidth_ * 1000.0 / kFitFloorMs;
    return std::min(kDefaultPixelsPerSecond, std::max(hour, 0.01));
}

void TimelineGeometry::ZoomAround(double pixelsPerSecond, int x) {
    const double at = (x + scroll()) / scale_.pixelsPerSecond();  // seconds under x
    const double zoom = std::clamp(pixelsPerSecond, MinPixelsPerSecond(), kMaxPixelsPerSecond);
    scale_.SetPixelsPerSecond(zoom);
    SetScroll(int(std::lround(at * zoom)) - x);
}

void TimelineGeometry::ZoomSteps(int steps, int x) {
    ZoomAround(pixelsPerSecond() * std::pow(kZoomStep, steps), x);
}

void TimelineGeometry::Fit(uint32_t endMs) {
    const uint32_t shown = std::max<uint32_t>(endMs, 1000);
    scale_.SetScroll(0);
    ZoomAround(viewWidth_ * 1000.0 / shown, 0);
}

int64_t TimelineGeometry::MsOfPixels(int dx) const {
    return std::llround(dx * 1000.0 / pixelsPerSecond());
}

int TimelineGeometry::Extent(uint32_t endMs, int margin) const {
    return int(std::ceil(endMs / 1000.0 * pixelsPerSecond())) + margin;
}

TimelineGeometry::Part TimelineGeometry::HitTest(uint32_t begin, uint32_t end, int x) const {
    const int left = XOfTime(begin), right = XOfTime(end);
    const int grab = std::min(kEdgeGrab, std::max(1, (right - left) / 4));
    if (x < left - grab || x > right + grab) return Part::None;
    if (x <= left + grab && x - left < right - x) return Part::LeftEdge;
    if (x >= right - grab) return Part::RightEdge;
    if (x <= left + grab) return Part::LeftEdge;
    return Part::Middle;
}

bool TimelineGeometry::Snap(uint32_t ms, const std::vector<uint32_t>& targets,
                            int64_t& offset) const {
    const double reach = kSnapDistance * 1000.0 / pixelsPerSecond();
    bool found = false;
    for (uint32_t target : targets) {
        const int64_t d = int64_t(target) - ms;
        if (std::abs(double(d)) <= reach && (!found || std::llabs(d) < std::llabs(offset))) {
            offset = d;
            found = true;
        }
    }
    return found;
}
