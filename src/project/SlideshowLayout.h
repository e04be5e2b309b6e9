#pragma once

#include <cstdint>
#include <vector>

#include "project/MovieObject.h"

// How a slideshow animates its pictures and lays its music under them.
namespace SlideshowLayout {

// The size grows by this many percent from a picture's begin to its end.
inline constexpr int kZoomPercent = 10;
// The music fades out over the show's last 2 s: 45 dB in 2 s, rounded to a whole rate.
inline constexpr int16_t kMusicFadeOut = -23;

// A picture shown from its begin to its end as up to three objects: fading in from fully
// transparent over `fadeMs`, held, fading out over `fadeMs` (each fade at most half the
// picture), while its size grows steadily by kZoomPercent.
std::vector<MovieObject> FadeAndZoom(const MovieObject& picture, uint32_t fadeMs);

// Music from the start of the show, cut to its end, fading out over the last 2 s.
void UnderShow(MovieObject& music, uint32_t showEnd);

}  // namespace SlideshowLayout
