#include "render/reference/ReferenceDraw.h"

#include <cmath>
#include <memory>

namespace Reference {
namespace {

struct Tables {
    std::unique_ptr<uint8_t[]> mix{new uint8_t[256 * 256 * 256]};
    std::unique_ptr<uint8_t[]> scale{new uint8_t[256 * 256]};
    Tables() {
        for (int a = 0; a < 256; ++a) {
            for (int b = 0; b < 256; ++b) {
                for (int f = 0; f < 256; ++f) {
                    mix[(a * 256 + b) * 256 + f] =
                        uint8_t(std::floor((1 - f / 255.0) * b + (f / 255.0) * a + 0.5));
                }
            }
        }
        for (int t = 0; t < 256; ++t) {
            for (int a = 0; a < 256; ++a) scale[t * 256 + a] = uint8_t(t * a / 255);
        }
    }
};

const Tables& GetTables() {
    static const Tables tables;
    return tables;
}

}  // namespace

uint8_t Mix(uint32_t a, uint32_t b, uint32_t f) { return GetTables().mix[(a * 256 + b) * 256 + f]; }
uint8_t Scale(uint32_t t, uint32_t a) { return GetTables().scale[t * 256 + a]; }

const char* DrawPicture(const CG::ImageRGBA& picture, CG::DIBitmap& frame,
                        const FrameTransform& t) {
    if (frame.bitsPerPixel() != 24) return "The destination bitmap must have 24 bits per pixel";
    if (frame.bottomUp()) return "The destination bitmap must not be inverted";
    if (t.width == 0 || t.height == 0) return "";
    const int C = t.contrast, B = t.brightness, S = t.saturation, T = t.transparency;
    const float K = 259.0f * float(C + 128) / (255.0f * float(386 - C));
    float rx = t.rotX, ry = t.rotY, rz = t.rotZ;
    if (rx < 0) rx = 0;
    if (rx > 360) rx = 360;
    if (ry < 0) ry = 0;
    if (ry > 360) ry = 360;
    if (rz < 0) rz = 0;
    if (rz > 360) rz = 360;
    const float cx = std::cos(rx * 0.017453292f), cy = std::cos(ry * 0.017453292f);
    if (cx == 0 || cy == 0) return "";
    const float sz = std::sin(rz * 0.017453292f), cz = std::cos(rz * 0.017453292f);
    const int H = frame.height(), W = frame.width();
    if (H <= 0) return "The destination bitmap must have a height greater than zero";
    if (W <= 0) return "The destination bitmap must have a width greater than zero";
    const int sw = int(picture.width()), sh = int(picture.height());
    if (sw == 0 || sh == 0) return "";
    const float ku = float(sw) / (cy * t.width), kv = float(sh) / (cx * t.height);
    const bool adjust = !(S == 127 && B == 127 && C == 127);

    for (int Y = 0; Y < H; ++Y) {
        uint8_t* row = frame.Row(Y);
        for (int X = 0; X < W; ++X) {
            const float dx = float(X) - t.x, dy = float(Y) - t.y;
            const float u = (dx * cz - dy * sz) * ku + float(sw) * 0.5f;
            const float v = (dy * cz + dx * sz) * kv + float(sh) * 0.5f;
            if (!(-1 < u && u < float(sw) && -1 < v && v < float(sh))) continue;
            const float x0 = std::floor(u), y0 = std::floor(v);
            const int fx = int((u - x0) * 255), fy = int((v - y0) * 255);
            uint8_t texel[4][4];
            const int nx[4] = {int(x0), int(x0) + 1, int(x0), int(x0) + 1};
            const int ny[4] = {int(y0), int(y0), int(y0) + 1, int(y0) + 1};
            for (int k = 0; k < 4; ++k) {
                for (int c = 0; c < 4; ++c) texel[k][c] = c < 3 ? 255 : 0;
                if (nx[k] >= 0 && nx[k] < sw && ny[k] >= 0 && ny[k] < sh) {
                    for (int c = 0; c < 4; ++c) texel[k][c] = picture.Row(ny[k])[nx[k] * 4 + c];
                }
            }
            int value[4];
            for (int c = 0; c < 4; ++c) {
                const int top = Mix(texel[1][c], texel[0][c], fx);
                const int bottom = Mix(texel[3][c], texel[2][c], fx);
                value[c] = Mix(bottom, top, fy);
            }
            if (adjust) {
                const int lum = (299 * value[0] + 587 * value[1] + 114 * value[2] + 500) / 1000;
                for (int c = 0; c < 3; ++c) {
                    const int c1 = value[c] + ((value[c] - lum) * (2 * S - 254) + 127) / 254;
                    int c2 = int(double((float(c1) - 127.5f) * K) + 127.5 + double(B - 127));
                    value[c] = c2 < 0 ? 0 : (c2 > 255 ? 255 : c2);
                }
            }
            const int f = Scale(T, value[3]);
            for (int c = 0; c < 3; ++c) row[X * 3 + 2 - c] = Mix(value[c], row[X * 3 + 2 - c], f);
        }
    }
    return "";
}

}  // namespace Reference
