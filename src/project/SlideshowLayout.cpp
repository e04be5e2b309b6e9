#include "project/SlideshowLayout.h"

#include <algorithm>

namespace SlideshowLayout {
namespace {

// The object's state at time t of a steady zoom from `from` to `to` over [begin, end].
ObjectState At(const MovieObject& picture, int32_t from, int32_t to, uint32_t t,
               uint8_t transparency) {
    ObjectState s = picture.beginState;
    const int64_t span = int64_t(picture.end) - picture.begin;
    const int64_t size = from + (int64_t(to) - from) * (int64_t(t) - picture.begin) / span;
    s.sizeX = s.sizeY = int32_t(size);
    s.transparency = transparency;
    return s;
}

}  // namespace

std::vector<MovieObject> FadeAndZoom(const MovieObject& picture, uint32_t fadeMs) {
    const uint32_t length = picture.end - picture.begin;
    const uint32_t fade = std::min(fadeMs, length / 2);
    const int32_t from = picture.beginState.sizeX;
    const int32_t to = int32_t(int64_t(from) * (100 + kZoomPercent) / 100);
    // Times where the transparency changes course: begin, end of fade-in, start of fade-out, end.
    const uint32_t marks[] = {picture.begin, picture.begin + fade, picture.end - fade, picture.end};
    const uint8_t levels[] = {uint8_t(fade ? 0 : 255), 255, 255, uint8_t(fade ? 0 : 255)};
    std::vector<MovieObject> parts;
    for (int i = 0; i < 3; ++i) {
        if (marks[i + 1] <= marks[i]) continue;
        MovieObject part = picture;
        part.begin = marks[i];
        part.end = marks[i + 1];
        part.beginState = At(picture, from, to, marks[i], levels[i]);
        part.endState = At(picture, from, to, marks[i + 1], levels[i + 1]);
        parts.push_back(part);
    }
    return parts;
}

void UnderShow(MovieObject& music, uint32_t showEnd) {
    const uint32_t length = music.end - music.begin;
    music.begin = 0;
    music.end = std::max<uint32_t>(1, std::min(length, showEnd));
    music.endState.fadeRate = kMusicFadeOut;
}

}  // namespace SlideshowLayout
