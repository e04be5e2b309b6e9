#pragma once

#include <cstdint>

// The ranges the movie properties dialog offers: frame rates and the 16:9 sizes from 160x90 up.
inline constexpr int kMinFps = 1, kMaxFps = 60;
inline constexpr int kMinMovieWidth = 160, kMaxMovieWidth = 2560;
inline constexpr int kMinMovieHeight = 90, kMaxMovieHeight = 1440;

// The movie-wide settings. The defaults are those at start-up; "New" uses AfterNew().
struct MovieProperties {
    uint8_t fps = 25;
    uint8_t movieQuality = 70;  // percent
    uint8_t jpgQuality = 90;
    uint16_t width = 1280;
    uint16_t height = 720;
    uint32_t backColor = 0x00FFFFFF;  // red in the lowest byte
    bool normalizeVolume = true;
    bool darkTheme = false;  // stored and loaded, read by nothing else

    static MovieProperties AfterNew() {
        MovieProperties p;
        p.fps = 24;
        return p;
    }

    bool operator==(const MovieProperties&) const = default;
};
