#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Where times sit across the timeline: x = time x pixelsPerSecond - scroll, in the viewport's
// pixels. The ruler's ticks adapt to the scale: the finest step of a fixed series (a tenth of
// a second up to ten minutes) whose ticks lie at least a given gap apart, with a label on
// the ticks of the finest step whose labels fit.
class TimeScale {
public:
    struct Tick {
        int x = 0;
        uint32_t ms = 0;
        bool labelled = false;
    };

    explicit TimeScale(double pixelsPerSecond = 4.0) : pixelsPerSecond_(pixelsPerSecond) {}

    double pixelsPerSecond() const { return pixelsPerSecond_; }
    void SetPixelsPerSecond(double pixels) { pixelsPerSecond_ = pixels > 0 ? pixels : 1.0; }
    int scroll() const { return scroll_; }
    void SetScroll(int scroll) { scroll_ = scroll; }

    int XOfTime(uint32_t ms) const;
    // The time under x, never before 0.
    uint32_t TimeAtX(int x) const;

    // The step between ticks at least minGap pixels apart.
    uint32_t StepMs(int minGap) const;
    // The step between labels: the finest step that is a whole number of tick steps and leaves
    // labelGap pixels.
    uint32_t LabelStepMs(int minGap, int labelGap) const;
    // The ticks that fall in [0, width), labelled every label step.
    std::vector<Tick> Ticks(int width, int minGap, int labelGap) const;
    // A tick's label: "M:SS", with tenths ("M:SS.f") when the labels are closer than 1 s.
    static std::string Label(uint32_t ms, uint32_t labelStepMs);

private:
    double pixelsPerSecond_;
    int scroll_ = 0;
};
