#include "render/DrawPicture.h"

#include <cmath>

#include "render/DrawSetup.h"
#include "render/RowSpan.h"

namespace {

constexpr float kRadiansPerDegree = 0.017453292f;

float ClampAngle(float degrees) {
    if (!(degrees > 0)) return 0;  // negative angles (and NaN) count as 0
    return degrees > 360 ? 360 : degrees;
}

}  // namespace

float ContrastFactor(uint8_t contrast) {
    return float(259 * (contrast + 128)) / float(255 * (386 - contrast));
}

Sys::Result DrawPicture(const CG::ImageRGBA& picture, CG::DIBitmap& frame,
                        const FrameTransform& t, DrawPath path) {
    if (frame.bitsPerPixel() != 24) return "The destination bitmap must have 24 bits per pixel";
    if (frame.bottomUp()) return "The destination bitmap must not be inverted";
    if (t.width == 0 || t.height == 0) return {};
    DrawSetup s;
    s.contrastFactor = ContrastFactor(t.contrast);
    const float cx = std::cos(ClampAngle(t.rotX) * kRadiansPerDegree);
    const float cy = std::cos(ClampAngle(t.rotY) * kRadiansPerDegree);
    if (cx == 0 || cy == 0) return {};
    const float rz = ClampAngle(t.rotZ) * kRadiansPerDegree;
    s.sz = std::sin(rz);
    s.cz = std::cos(rz);
    const int32_t frameHeight = frame.height(), frameWidth = frame.width();
    if (frameHeight <= 0) return "The destination bitmap must have a height greater than zero";
    if (frameWidth <= 0) return "The destination bitmap must have a width greater than zero";
    const uint32_t sw = picture.width(), sh = picture.height();
    if (sw == 0 || sh == 0) return {};

    s.picture = picture.pixels();
    s.pictureWidth = sw;
    s.pictureHeight = sh;
    s.centreX = t.x;
    s.centreY = t.y;
    s.ku = float(sw) / (cy * t.width);
    s.kv = float(sh) / (cx * t.height);
    s.halfWidth = float(sw) * 0.5f;
    s.halfHeight = float(sh) * 0.5f;
    s.limitU = float(sw);
    s.limitV = float(sh);
    s.adjust = !(t.saturation == 127 && t.brightness == 127 && t.contrast == 127);
    s.brightness = t.brightness;
    s.saturation = t.saturation;
    s.transparency = t.transparency;
    // With an infinite or undefined factor no u or v can fall inside the picture.
    if (!std::isfinite(s.ku) || !std::isfinite(s.kv) || s.transparency == 0) return {};

    const RowKernel kernel = SelectRowKernel(path);
    const RowSpan span(s, frameWidth);
    for (int32_t y = 0; y < frameHeight; ++y) {
        int32_t xBegin = 0, xEnd = 0;
        if (span.Columns(y, xBegin, xEnd)) kernel(s, frame.Row(y), y, xBegin, xEnd);
    }
    return {};
}
