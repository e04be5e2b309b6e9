#include "render/PreviewTransform.h"

#include "render/Animation.h"

FrameTransform PreviewTransform(const ObjectState& state, uint32_t pictureWidth,
                                uint32_t pictureHeight, int32_t width, int32_t height) {
    FrameTransform t;
    t.x = float(double(state.x) * width / 16e6);
    t.y = float(double(state.y) * height / 9e6);
    t.width = float(Product32(state.sizeX, width) / 16e6 * pictureWidth);
    t.height = float(Product32(state.sizeY, height) / 9e6 * pictureHeight);
    t.rotX = float(WrapRotation(state.rotX / 10000.0));
    t.rotY = float(WrapRotation(state.rotY / 10000.0));
    t.rotZ = float(WrapRotation(state.rotZ / 10000.0));
    t.transparency = state.transparency;
    t.brightness = state.brightness;
    t.contrast = state.contrast;
    t.saturation = state.saturation;
    return t;
}
