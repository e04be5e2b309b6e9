#include "render/FrameTiming.h"

FrameInstant InstantOfFrame(uint32_t frame, uint8_t fps) {
    FrameInstant instant;
    instant.seconds = double(frame) / fps;
    instant.milliseconds = uint32_t(instant.seconds * 1000.0);
    return instant;
}

bool IsShownAt(const MovieObject& object, uint32_t milliseconds) {
    return IsVisual(object.type) && object.begin <= milliseconds && milliseconds <= object.end;
}

double LocalTime(const MovieObject& object, double seconds) {
    return seconds - object.begin / 1000.0;
}

FrameRange WorkerBlock(uint32_t worker, uint32_t workers, uint32_t frames) {
    FrameRange range;
    if (workers == 0 || worker >= workers) return range;
    const uint32_t q = frames / workers, r = frames % workers;
    if (r == 0) {
        range.first = worker * q;
        range.count = q;
    } else if (worker < r) {
        range.first = worker * (q + 1);
        range.count = q + 1;
    } else {
        range.first = (worker - r) * q + r * (q + 1);
        range.count = q;
    }
    return range;
}

FrameWindow WindowFrames(uint8_t fps, uint32_t windowBegin, uint32_t windowEnd) {
    return {uint32_t(fps) * windowBegin / 1000, windowEnd * uint32_t(fps) / 1000};
}
