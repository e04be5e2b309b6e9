#include "editing/Playhead.h"

#include <algorithm>
#include <cstdio>

void Playhead::SetMovie(uint32_t lengthMs, uint32_t frameCount, uint8_t fps) {
    length_ = lengthMs;
    frames_ = frameCount;
    fps_ = fps == 0 ? 1 : fps;
    time_ = std::min(time_, length_);
}

uint32_t Playhead::frame() const {
    const uint32_t f = uint32_t(uint64_t(time_) * fps_ / 1000);
    return frames_ == 0 ? 0 : std::min(f, frames_ - 1);
}

uint32_t Playhead::TimeOfFrame(uint32_t frame) const {
    return uint32_t((uint64_t(frame) * 1000 + fps_ - 1) / fps_);
}

bool Playhead::SetTime(uint32_t ms) {
    ms = std::min(ms, length_);
    if (ms == time_) return false;
    time_ = ms;
    return true;
}

bool Playhead::StepFrames(int frames) {
    const int64_t target = std::max<int64_t>(0, int64_t(frame()) + frames);
    const uint32_t last = frames_ == 0 ? 0 : frames_ - 1;
    if (target > int64_t(last) && frames > 0) return End();
    return SetTime(TimeOfFrame(uint32_t(std::min<int64_t>(target, last))));
}

bool Playhead::StepSeconds(int seconds) {
    const int64_t target = int64_t(time_) + int64_t(seconds) * 1000;
    return SetTime(uint32_t(std::clamp<int64_t>(target, 0, length_)));
}

std::string Playhead::TimeText(uint32_t ms) {
    const uint32_t seconds = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u.%u", seconds / 60, seconds % 60, ms % 1000 / 100);
    return text;
}

std::string Playhead::Text() const {
    return TimeText(time_) + " / " + TimeText(length_);
}
