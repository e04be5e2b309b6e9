#include "render/RectanglePicture.h"

#include "panelwick/CG/Blend.h"

namespace {

void Put(CG::ImageRGBA& picture, uint32_t x, uint32_t y, uint32_t colour) {
    uint8_t* p = picture.Row(y) + size_t(x) * 4;
    p[0] = uint8_t(colour);
    p[1] = uint8_t(colour >> 8);
    p[2] = uint8_t(colour >> 16);
    p[3] = 255;
}

}  // namespace

Sys::Result MakeRectanglePicture(const MovieObject& object, CG::ImageRGBA& picture) {
    const uint32_t w = object.width, h = object.height, d = object.depth3D;
    if (uint64_t(w) + d > UINT32_MAX || uint64_t(h) + d > UINT32_MAX ||
        !picture.Create(w + d, h + d)) {
        return "Out of memory";
    }
    for (uint32_t y = d; y < d + h; ++y) {
        for (uint32_t x = d; x < d + w; ++x) Put(picture, x, y, object.frontColor);
    }
    for (uint32_t i = 0; i < d; ++i) {
        const uint32_t c = CG::Gradient(object.backColor, object.frontColor, double(i) / d);
        for (uint32_t x = i; x < i + w; ++x) Put(picture, x, i, c);
        for (uint32_t y = i; y < i + h; ++y) Put(picture, i, y, c);
    }
    return {};
}
