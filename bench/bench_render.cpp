// bench-links: reelwork_render reelwork_render_reference
// The renderer at 1280 x 720:
// 1. one 800 x 600 picture sliding across the frame for 720 frames (30 s at 24 fps), every frame
//    written as a JPG at quality 90 on all cores, against MLT's melt rendering the same picture
//    and motion (bench/melt-slide.sh), measured in the same run;
// 2. five objects (three pictures, a text, a rectangle) with rotations and colour adjustments:
//    milliseconds per composed frame on one core, the production path (the widest kernel the
//    processor runs), the AVX2 and the scalar kernels beside the plain reference rule.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdlib.h>
#include <string>
#include <thread>
#include <vector>

#include "panelwick/Sys/CpuLevel.h"
#include "render/Animation.h"
#include "render/CreateFrame.h"
#include "render/DrawPicture.h"
#include "render/RowKernel.h"
#include "render/FrameComposer.h"
#include "render/FrameTiming.h"
#include "render/PrepareObject.h"
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

size_t JpgCount(const std::filesystem::path& folder) {
    size_t count = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        count += entry.path().extension() == ".jpg";
    }
    return count;
}

// Prepares the picture and renders every frame of the movie on all cores, as movie creation's
// stage 3 does; false on an error.
bool RenderMovie(const std::vector<MovieObject>& objects, const MovieProperties& properties,
                 const std::string& folder) {
    std::vector<PreparedObject> prepared(objects.size());
    for (size_t i = 0; i < objects.size(); ++i) {
        const Sys::Result r =
            PrepareObject(objects[i], prepared[i], folder, properties.width, properties.height);
        if (r.failed()) {
            std::printf("slide: %s\n", r.message().c_str());
            return false;
        }
    }
    std::atomic<uint32_t> framesDone{0};
    Mt::Task task;
    Mt::SharedText errorText;
    const FrameJob job{.scene = {objects, prepared, properties, folder},
                       .frameCount = MovieFrameCount(objects, properties.fps),
                       .framesDone = framesDone,
                       .task = task,
                       .errorText = errorText,
                       .notifyError = {}};
    const uint32_t n = std::max(1u, std::thread::hardware_concurrency());
    std::vector<WorkMemory> memory(n);
    {
        std::vector<std::jthread> workers;
        for (uint32_t i = 0; i < n; ++i) {
            if (!memory[i].Reset(properties.width, properties.height)) return false;
            workers.emplace_back([&, i] { CreateFrame(i, n, job, memory[i]); });
        }
    }
    if (!errorText.Get().empty()) std::printf("slide: %s\n", errorText.Get().c_str());
    return errorText.Get().empty();
}

void SlideAgainstMelt() {
    char pattern[] = "/tmp/bench-render-XXXXXX";
    if (!mkdtemp(pattern)) return;
    const std::string folder = pattern;
    const std::string script = std::string(REELWORK_SOURCE_DIR) + "/bench/melt-slide.sh";
    const std::string picture = folder + "/picture.png";
    std::filesystem::create_directory(folder + "/tmp");
    if (std::system(("ffmpeg -v error -y -f lavfi -i testsrc2=size=800x600 -frames:v 1 " + picture)
                        .c_str()) != 0 ||
        std::system((script + " --install").c_str()) != 0) {
        std::printf("slide: ffmpeg or melt is not available\n");
        std::filesystem::remove_all(folder);
        return;
    }
    // From centre x -400 (just off the left edge) to 1680 (just off the right), at 60 pixels
    // from the top, at the picture's own size, 30 s at 24 fps.
    MovieProperties properties = MovieProperties::AfterNew();
    properties.jpgQuality = 90;
    MovieObject slide;
    slide.fileName = u"picture.png";
    slide.end = 30000;
    slide.beginState.x = -5000000;
    slide.endState.x = 21000000;
    slide.beginState.y = slide.endState.y = 4500000;
    slide.beginState.sizeX = slide.beginState.sizeY = 12500;
    slide.endState.sizeX = slide.endState.sizeY = 12500;
    const std::vector<MovieObject> objects{slide};
    const uint32_t frames = MovieFrameCount(objects, properties.fps);

    bool ours = false;
    const double oursMs = Milliseconds([&] { ours = RenderMovie(objects, properties, folder); });
    const std::string melt =
        script + " " + picture + " " + std::to_string(frames) + " " + folder + "/melt 2>/dev/null";
    int meltStatus = -1;
    const double meltMs = Milliseconds([&] { meltStatus = std::system(melt.c_str()); });
    const size_t oursFiles = JpgCount(folder + "/tmp"), meltFiles = JpgCount(folder + "/melt");
    std::printf("sliding 800x600 picture, %u frames of 1280x720 as JPG (quality 90), %u cores:\n",
                frames, std::max(1u, std::thread::hardware_concurrency()));
    if (!ours || meltStatus != 0 || oursFiles != frames || meltFiles != frames) {
        std::printf("  failed: ours %zu files, melt %zu files (status %d)\n", oursFiles, meltFiles,
                    meltStatus);
    } else {
        std::printf("  ours %.2f s (%.2f ms per frame), melt %.2f s (%.2f ms per frame)\n",
                    oursMs / 1000, oursMs / frames, meltMs / 1000, meltMs / frames);
        std::printf("  ratio ours / melt %.3f (target <= 0.5)\n", oursMs / meltMs);
    }
    if (!std::getenv("REELWORK_BENCH_KEEP")) std::filesystem::remove_all(folder);
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
                            for (uint32_t f = 0; f < frames; ++f)
                                (void)ComposeFrame(scene, f * 5, frame, video);
                        }) /
                        frames;
    // The same with a named kernel.
    auto drawWith = [&](DrawPath path, uint32_t f) {
        frame.Fill(255, 255, 255);
        const FrameInstant at = InstantOfFrame(f, properties.fps);
        for (size_t i = 0; i < objects.size(); ++i) {
            const FrameTransform t = Animate(
                objects[i], prepared[i].rates, prepared[i].picture.width(),
                prepared[i].picture.height(), kWidth, kHeight, LocalTime(objects[i], at.seconds));
            (void)DrawPicture(prepared[i].picture, frame, t, path);
        }
    };
    auto perFrame = [&](DrawPath path) {
        return Milliseconds([&] {
                   for (uint32_t f = 0; f < frames; ++f) drawWith(path, f * 5);
               }) /
               frames;
    };
    const double scalar = perFrame(DrawPath::Scalar);
    const double avx2 = Avx2Supported() ? perFrame(DrawPath::Avx2) : 0;
    // The plain rule: tables, every frame pixel for every object.
    const uint32_t referenceFrames = 6;
    (void)Reference::Mix(0, 0, 0);  // build the tables outside the timing
    const double reference =
        Milliseconds([&] {
            for (uint32_t f = 0; f < referenceFrames; ++f) {
                frame.Fill(255, 255, 255);
                const FrameInstant at = InstantOfFrame(f * 40, properties.fps);
                for (size_t i = 0; i < objects.size(); ++i) {
                    const FrameTransform t =
                        Animate(objects[i], prepared[i].rates, prepared[i].picture.width(),
                                prepared[i].picture.height(), kWidth, kHeight,
                                LocalTime(objects[i], at.seconds));
                    (void)Reference::DrawPicture(prepared[i].picture, frame, t);
                }
            }
        }) /
        referenceFrames;
    std::printf("five objects, one core, ms per composed frame:\n");
    std::printf(
        "  production (%s) %.2f ms, AVX2 kernel %.2f ms, scalar kernel %.2f ms, plain "
        "reference %.2f ms\n",
        Sys::CpuLevelName(Sys::ChosenCpuLevel()), fast, avx2, scalar, reference);
    std::printf("  ratio production / reference %.3f\n", fast / reference);
}

}  // namespace

int main() {
    SlideAgainstMelt();
    FiveObjects();
    return 0;
}
