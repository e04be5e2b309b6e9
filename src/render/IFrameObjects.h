#pragma once

#include <cstdint>

#include "panelwick/Sys/Result.h"

// What rendering workers tell about their frames so that objects are prepared when the frames
// that show them come up and let go of after their last frame. Each worker first gives the
// frames it will render (a range it walks upwards), then brackets every frame it composes.
// Called from many workers at once.
class IFrameObjects {
public:
    virtual ~IFrameObjects() = default;
    // Worker w renders frames from `first` up to, not including, `end`.
    virtual void Range(uint32_t worker, uint32_t first, uint32_t end) = 0;
    // Makes every object frame f shows ready; the failure of one is the frame's failure.
    virtual Sys::Result Before(uint32_t worker, uint32_t frame) = 0;
    // Frame f is composed; objects that no worker will show again are let go of.
    virtual void After(uint32_t worker, uint32_t frame) = 0;
    // Worker w renders no more frames.
    virtual void Finished(uint32_t worker) = 0;
};
