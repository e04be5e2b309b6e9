#include "video/ImportedObject.h"

#include <algorithm>

#include "panelwick/Sys/Utf.h"

namespace ImportedObject {

int32_t FitScale(uint32_t width, uint32_t height) {
    if (width == 0 || height == 0) return 10000;
    const uint32_t scale = std::min(16000000u / width, 9000000u / height);
    return int32_t(std::clamp<uint32_t>(scale, 1, kMaxScale));
}

MovieObject Visual(MovieObjectType type, const std::string& fileName, uint32_t width,
                   uint32_t height, uint32_t begin, uint32_t length) {
    MovieObject o;
    o.type = type;
    o.begin = begin;
    o.end = begin + std::max<uint32_t>(length, 1);
    o.fileName = Sys::ToUtf16(fileName);
    const int32_t scale = FitScale(width, height);
    for (ObjectState* s : {&o.beginState, &o.endState}) {
        s->x = 8000000;
        s->y = 4500000;
        s->sizeX = s->sizeY = scale;
    }
    return o;
}

MovieObject Audio(const std::string& fileName, uint32_t begin, uint32_t length) {
    MovieObject o;
    o.type = MovieObjectType::Audio;
    o.begin = begin;
    o.end = begin + std::max<uint32_t>(length, 1);
    o.fileName = Sys::ToUtf16(fileName);
    return o;
}

}  // namespace ImportedObject
