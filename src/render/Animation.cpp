#include "render/Animation.h"

#include <cmath>

namespace {

double ScaleX(int32_t size, int32_t width) { return Product32(size, width) / 16e6; }
double ScaleY(int32_t size, int32_t height) { return Product32(size, height) / 9e6; }

// The difference of two 32-bit values as a 32-bit integer, wrapping on overflow.
int32_t Difference32(int32_t a, int32_t b) { return int32_t(uint32_t(a) - uint32_t(b)); }

}  // namespace

int32_t Product32(int32_t a, int32_t b) { return int32_t(uint32_t(a) * uint32_t(b)); }

double WrapRotation(double degrees) {
    if (!std::isfinite(degrees)) return degrees;
    // Far beyond anything a project can hold; keeps the loops below short.
    if (std::fabs(degrees) > 1e9) degrees = std::fmod(degrees, 360.0);
    while (degrees > 360) degrees -= 360;
    while (degrees < -360) degrees += 360;
    return degrees;
}

uint8_t AnimatedByte(double value) {
    if (!(value > 0)) value = 0;  // also NaN
    if (value > 255) value = 255;
    return uint8_t(std::round(value));
}

AnimationRates ComputeRates(const MovieObject& object, int32_t width, int32_t height) {
    AnimationRates r;
    const double d = (object.end / 1000.0) - (object.begin / 1000.0);
    if (d == 0) return r;
    const ObjectState& s = object.beginState;
    const ObjectState& e = object.endState;
    const double ax = double(object.accelerationX) * width / 16e6;
    const double ay = double(object.accelerationY) * height / 9e6;
    r.velocityX = (double(e.x) * width / 16e6 - double(s.x) * width / 16e6 - ax * 0.5 * d * d) / d;
    r.velocityY = (double(e.y) * height / 9e6 - double(s.y) * height / 9e6 - ay * 0.5 * d * d) / d;
    r.sizeRateX = (ScaleX(e.sizeX, width) - ScaleX(s.sizeX, width)) / d;
    r.sizeRateY = (ScaleY(e.sizeY, height) - ScaleY(s.sizeY, height)) / d;
    r.rotationRateX = Difference32(e.rotX, s.rotX) / (d * 10000);
    r.rotationRateY = Difference32(e.rotY, s.rotY) / (d * 10000);
    r.rotationRateZ = Difference32(e.rotZ, s.rotZ) / (d * 10000);
    r.transparencyRate = (int(e.transparency) - int(s.transparency)) / d;
    r.brightnessRate = (int(e.brightness) - int(s.brightness)) / d;
    r.contrastRate = (int(e.contrast) - int(s.contrast)) / d;
    r.saturationRate = (int(e.saturation) - int(s.saturation)) / d;
    return r;
}

FrameTransform Animate(const MovieObject& object, const AnimationRates& rates,
                       uint32_t pictureWidth, uint32_t pictureHeight, int32_t width,
                       int32_t height, double u) {
    const ObjectState& s = object.beginState;
    const double ax = double(object.accelerationX) * width / 16e6;
    const double ay = double(object.accelerationY) * height / 9e6;
    FrameTransform t;
    t.x = float(double(s.x) * width / 16e6 + u * rates.velocityX + ax * 0.5 * u * u);
    t.y = float(double(s.y) * height / 9e6 + u * rates.velocityY + ay * 0.5 * u * u);
    t.width = float((ScaleX(s.sizeX, width) + u * rates.sizeRateX) * pictureWidth);
    t.height = float((ScaleY(s.sizeY, height) + u * rates.sizeRateY) * pictureHeight);
    t.rotX = float(WrapRotation(u * rates.rotationRateX + s.rotX / 10000.0));
    t.rotY = float(WrapRotation(u * rates.rotationRateY + s.rotY / 10000.0));
    t.rotZ = float(WrapRotation(u * rates.rotationRateZ + s.rotZ / 10000.0));
    t.transparency = AnimatedByte(u * rates.transparencyRate + s.transparency);
    t.brightness = AnimatedByte(u * rates.brightnessRate + s.brightness);
    t.contrast = AnimatedByte(u * rates.contrastRate + s.contrast);
    t.saturation = AnimatedByte(u * rates.saturationRate + s.saturation);
    return t;
}
