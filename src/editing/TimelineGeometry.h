#pragma once

#include <cstdint>
#include <vector>

#include "editing/TimeScale.h"

// Where the timeline's bars sit at the current zoom and scroll, and which part of a bar lies
// under the mouse. The zoom runs from 400 pixels a second down to 4, or lower when the view
// needs it to show a whole hour.
class TimelineGeometry {
public:
    enum class Part { None, Middle, LeftEdge, RightEdge };

    static constexpr double kDefaultPixelsPerSecond = 4.0;
    static constexpr double kMaxPixelsPerSecond = 400.0;
    static constexpr double kZoomStep = 1.25;
    static constexpr uint32_t kFitFloorMs = 3600000;  // the zoom can always show an hour
    static constexpr int kEdgeGrab = 4;               // pixels each side of a bar's edge
    static constexpr int kSnapDistance = 8;           // pixels

    const TimeScale& scale() const { return scale_; }
    double pixelsPerSecond() const { return scale_.pixelsPerSecond(); }
    int scroll() const { return scale_.scroll(); }
    void SetScroll(int scroll) { scale_.SetScroll(scroll < 0 ? 0 : scroll); }

    // The view's width in pixels; it sets the lowest zoom.
    void SetViewWidth(int width);
    double MinPixelsPerSecond() const;
    // Sets the zoom within its range, keeping the time under x where it was.
    void ZoomAround(double pixelsPerSecond, int x);
    // One zoom step in (steps > 0) or out around x.
    void ZoomSteps(int steps, int x);
    // The zoom that shows [0, endMs] in the view, scrolled to the start.
    void Fit(uint32_t endMs);

    int XOfTime(uint32_t ms) const { return scale_.XOfTime(ms); }
    uint32_t TimeAtX(int x) const { return scale_.TimeAtX(x); }
    // Whole milliseconds a move of dx pixels stands for.
    int64_t MsOfPixels(int dx) const;
    // The width in pixels of everything up to endMs plus a margin.
    int Extent(uint32_t endMs, int margin) const;

    // The part of a bar over [begin, end] under x: an edge within kEdgeGrab pixels of it,
    // shrunk on narrow bars so their middle can still be grabbed.
    Part HitTest(uint32_t begin, uint32_t end, int x) const;

    // The target nearest to ms within kSnapDistance pixels; false when none is.
    bool Snap(uint32_t ms, const std::vector<uint32_t>& targets, int64_t& offset) const;

private:
    TimeScale scale_{kDefaultPixelsPerSecond};
    int viewWidth_ = 0;
};
