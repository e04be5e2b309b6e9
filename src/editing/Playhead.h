#pragma once

#include <cstdint>
#include <string>

// The monitor's position in the movie: a time in milliseconds from 0 to the movie's length,
// showing frame floor(time x fps / 1000) (the last frame at the end). Moves by frames and
// seconds snap to frame times.
class Playhead {
public:
    // The movie's length and frame rate; the time stays within the new length.
    void SetMovie(uint32_t lengthMs, uint32_t frameCount, uint8_t fps);

    uint32_t time() const { return time_; }
    uint32_t length() const { return length_; }
    uint8_t fps() const { return fps_; }
    uint32_t frameCount() const { return frames_; }
    // The frame shown at the time: never past the last frame.
    uint32_t frame() const;
    // The first millisecond that shows frame f.
    uint32_t TimeOfFrame(uint32_t frame) const;

    // Each gives whether the time changed.
    bool SetTime(uint32_t ms);
    bool StepFrames(int frames);
    bool StepSeconds(int seconds);
    bool Home() { return SetTime(0); }
    bool End() { return SetTime(length_); }

    // "M:SS.f / M:SS.f": the time and the length, tenths truncated.
    std::string Text() const;
    static std::string TimeText(uint32_t ms);

private:
    uint32_t time_ = 0;
    uint32_t length_ = 0;
    uint32_t frames_ = 0;
    uint8_t fps_ = 24;
};
