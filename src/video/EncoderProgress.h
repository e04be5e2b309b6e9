#pragma once

#include <cstdint>
#include <string_view>

// How far the encoder has come, read from the lines it prints: the "frame=N" lines of its
// progress report (-progress pipe:1) and its status lines ("frame=  120 fps=..."), and
// "progress=end" when it has written everything.
class EncoderProgress {
public:
    // frames: how many frames the encoder is given.
    explicit EncoderProgress(uint32_t frames) : frames_(frames) {}

    // Takes one line; true when it changed the progress.
    bool Take(std::string_view line);
    // Frames encoded / frames given, 0 to 1.
    double fraction() const;

private:
    uint32_t frames_;
    uint32_t done_ = 0;
    bool ended_ = false;
};
