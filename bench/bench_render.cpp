// bench-links: reelwork_render reelwork_render_reference
// The renderer at 1280 x 720:
// 1. one 800 x 600 picture sliding across the frame for 720 frames (30 s at 24 fps), every frame
//    written as a JPG at quality 90 on all cores, against MLT's melt rendering the same picture
//    and motion (bench/melt-slide.sh), measured in the same run;
// 2. five objects (three pictures, a text, a rectangle) with rotations and colour adjustments:
//    milliseconds per composed frame on one core, the AVX2 and scalar production paths beside
//    the plain reference rule.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "render/Animation.h"
#include "render/DrawPicture.h"
#include "render/FrameComposer.h"
#include "render/FrameTiming.h"
#include "render/RectanglePicture.h"
#include "render/TextPicture.h"
#include "render/reference/ReferenceDraw.h"

namespace {

constexpr int kWidth = 1280, kHeight = 720;

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// A photograph-like test picture: smooth colour fields with an alpha edge that fades out.
CG::ImageRGBA TestPicture(uint32_t w, uint32_t h, uint32_t seed) {
    CG::ImageRGBA picture;
    picture.Create(w, h);
    for (uint32_t y = 0; y < h; ++y) {
        uint8_t* p = picture.Row(y);
        for (uint32_t x = 0; x < w; ++x, p += 4) {
            p[0] = uint8_t((x * 255 / w + seed * 40) ^ (y >> 3));
            p[1] = uint8_t(y * 255 / h + seed * 70);
            p[2] = uint8_t((x + y) * 128 / (w + h) + ((x * y) >> 9));
            const uint32_t edge = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
            p[3] = uint8_t(std::min<uint32_t>(255, edge * 16));
        }
    }
    return picture;
}

MovieObject Animated(MovieObjectType type, int32_t x, int32_t y, int32_t turn) {
    MovieObject o;
    o.type = type;
    o.end = 10000;
    o.beginState.x = x;
    o.beginState.y = y;
    o.endState = o.beginState;
    o.endState.rotZ = turn;
    o.endState.rotX = 600000;
    o.beginState.saturation = 60;
    o.beginState.contrast = 170;
    o.beginState.brightness = 140;
    o.endState.saturation = 200;
    o.endState.contrast = 90;
    o.beginState.transparency = 230;
    return o;
}

void FiveObjects() {
    std::vector<MovieObject> objects = {
        Animated(MovieObjectType::Image, 5000000, 3000000, 3600000),
        Animated(MovieObjectType::Image, 10000000, 5000000, -1800000),
        Animated(MovieObjectType::Image, 8000000, 6000000, 900000),
        Animated(MovieObjectType::Text, 8000000, 1500000, 300000),
        Animated(MovieObjectType::Rectangle, 12000000, 2500000, 1200000),
    };
    objects[3].text = u"Reelwork frames";
    objects[3].fontSize = 40;
    objects[4].width = 420;
    objects[4].height = 260;
    objects[4].depth3D = 12;
    std::vector<PreparedObject> prepared(objects.size());
    prepared[0].picture = TestPicture(800, 600, 1);
    prepared[1].picture = TestPicture(640, 480, 2);
    prepared[2].picture = TestPicture(400, 400, 3);
    if (MakeTextPicture(objects[3], prepared[3].picture).failed() ||
        MakeRectanglePicture(objects[4], prepared[4].picture).failed()) {
        std::printf("five objects: preparation failed\n");
        return;
    }
    for (size_t i = 0; i < objects.size(); ++i) {
        prepared[i].rates = ComputeRates(objects[i], kWidth, kHeight);
    }
    MovieProperties properties;
    const FrameScene scene{objects, prepared, properties, ""};
    CG::DIBitmap frame;
    frame.Create(24, 0, kWidth, kHeight, false);
    CG::ImageRGBA video;

    // The production path as chosen at run time (AVX2 here when the processor has it).
    const uint32_t frames = 48;
    const double fast = Milliseconds([&] {
        for (uint32_t f = 0; f < frames; ++f) (void)ComposeFrame(scene, f * 5, frame, video);
    }) / frames;
    // The same with the scalar kernel.
    auto drawScalar = [&](uint32_t f) {
        frame.Fill(255, 255, 255);
        const FrameInstant at = InstantOfFrame(f, properties.fps);
        for (size_t i = 0; i < objects.size(); ++i) {
            const FrameTransform t = Animate(objects[i], prepared[i].rates,
                                             prepared[i].picture.width(),
                                             prepared[i].picture.height(), kWidth, kHeight,
                                             LocalTime(objects[i], at.seconds));
            (void)DrawPicture(prepared[i].picture, frame, t, DrawPath::Scalar);
        }
    };
    const double scalar =
        Milliseconds([&] { for (uint32_t f = 0; f < frames; ++f) drawScalar(f * 5); }) / frames;
    // The plain rule: tables, every frame pixel for every object.
    const uint32_t referenceFrames = 6;
    (void)Reference::Mix(0, 0, 0);  // build the tables outside the timing
    const double reference = Milliseconds([&] {
        for (uint32_t f = 0; f < referenceFrames; ++f) {
            frame.Fill(255, 255, 255);
            const FrameInstant at = InstantOfFrame(f * 40, properties.fps);
            for (size_t i = 0; i < objects.size(); ++i) {
                const FrameTransform t = Animate(objects[i], prepared[i].rates,
                                                 prepared[i].picture.width(),
                                                 prepared[i].picture.height(), kWidth, kHeight,
                                                 LocalTime(objects[i], at.seconds));
                (void)Reference::DrawPicture(prepared[i].picture, frame, t);
            }
        }
    }) / referenceFrames;
    std::printf("five objects, one core, ms per composed frame:\n");
    std::printf("  production (%s) %.2f ms, scalar kernel %.2f ms, plain reference %.2f ms\n",
                Avx2Supported() ? "AVX2" : "scalar", fast, scalar, reference);
    std::printf("  ratio production / reference %.3f\n", fast / reference);
}

}  // namespace

int main() {
    FiveObjects();
    return 0;
}
