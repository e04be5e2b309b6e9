// bench-links: reelwork_app reelwork_audio
// The timeline's speed: painting the visible part of a 2000-object project at 1600x900
// offscreen (median ms per paint, target at most 8), the missing-file check it runs after
// every change on 5000 objects (median ms, at most 4: half a paint's budget), and the peaks of a 10-minute
// stereo WAVE (x real time, target at least 200).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>

#include "app/timeline/DocumentView.h"
#include "audio/WavePeaks.h"
#include "panelwick/Mm/WaveFile.h"
#include "project/MissingFiles.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A short stereo WAVE of a rising tone.
void WriteWave(const std::filesystem::path& path, uint32_t rate, uint32_t seconds) {
    Mm::WaveFile file;
    if (file.OpenForWritting(rate, 2, 16, path).failed()) return;
    std::vector<int16_t> second(rate * 2);
    for (size_t i = 0; i < second.size(); ++i) second[i] = int16_t((i * 7919) % 20000 - 10000);
    for (uint32_t s = 0; s < seconds; ++s) {
        (void)file.Write(second.data(), int32_t(second.size() * 2));
    }
    (void)file.Close();
}

// Half pictures, half sounds whose thumbnails and peaks are made before the paints are timed.
double PaintMs(const std::filesystem::path& folder) {
    const std::string wave = (folder / "sound.wav").string();
    WriteWave(wave, 44100, 12);
    const std::string picture = (folder / "picture.png").string();
    QImage sky(640, 360, QImage::Format_RGB32);
    sky.fill(QColor(70, 120, 200));
    sky.save(QString::fromStdString(picture));
    DocumentView view;
    view.resize(1600, 900);
    std::vector<MovieObject> objects(2000);
    for (size_t i = 0; i < objects.size(); ++i) {
        objects[i].type = i % 2 ? MovieObjectType::Audio : MovieObjectType::Image;
        objects[i].begin = uint32_t(i * 1500);
        objects[i].end = objects[i].begin + 10000;
        const std::string& file = i % 2 ? wave : picture;
        objects[i].fileName = std::u16string(file.begin(), file.end());
    }
    view.document().objects = std::move(objects);
    view.document().NotifyRepaint();
    view.Zoom(10, 0);  // about 37 pixels a second: many bars in view
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    view.viewport()->render(&image);
    view.peaks().WaitIdle();
    view.thumbnails().WaitIdle();
    std::vector<double> ms;
    for (int run = 0; run < 40; ++run) {
        const auto start = Clock::now();
        view.viewport()->render(&image);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(ms);
}

// A slideshow of 5000 objects: 4000 pictures of their own, one in 50 of them missing, and 1000
// sounds sharing 10 files.
double MissingCheckMs(const std::filesystem::path& folder) {
    Document document;
    document.SetFile((folder / "show.rwk").string(), folder.string());
    std::filesystem::create_directory(folder / "show");
    for (int i = 0; i < 5000; ++i) {
        MovieObject o;
        o.type = i % 5 == 4 ? MovieObjectType::Audio : MovieObjectType::Image;
        const std::string name = o.type == MovieObjectType::Audio
                                     ? "show/music" + std::to_string(i % 10) + ".wav"
                                     : "show/" + std::to_string(i) + ".jpg";
        if (i % 50 != 0) std::ofstream(folder / name) << "x";
        o.fileName = std::u16string(name.begin(), name.end());
        document.objects.push_back(o);
    }
    std::vector<double> ms;
    for (int run = 0; run < 20; ++run) {
        const auto start = Clock::now();
        if (MissingFiles::Find(document).size() != 100) return -1;
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(ms);
}

double PeaksTimesRealTime(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / "10min.wav";
    constexpr uint32_t kSeconds = 600;
    WriteWave(path, 44100, kSeconds);
    std::vector<double> seconds;
    for (int run = 0; run < 3; ++run) {
        WavePeaks peaks;
        const auto start = Clock::now();
        if (WavePeaks::Compute(path, peaks).failed()) return 0;
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    return kSeconds / Median(seconds);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char folderName[] = "/tmp/bench_timeline_XXXXXX";
    if (!mkdtemp(folderName)) return 1;
    const std::filesystem::path folder = folderName;
    setenv("XDG_CACHE_HOME", folderName, 1);  // the peaks cache stays in the scratch folder
    QApplication app(argc, argv);
    const double paint = PaintMs(folder);
    std::printf(
        "timeline paint, 2000 objects at 1600x900: %.2f ms median (target 8 ms, ratio %.2f)\n",
        paint, paint / 8.0);
    const double missing = MissingCheckMs(folder);
    std::printf("missing-file check, 5000 objects: %.2f ms median (target 4 ms, ratio %.2f)\n",
                missing, missing / 4.0);
    const double peaks = PeaksTimesRealTime(folder);
    std::filesystem::remove_all(folder);
    std::printf("peaks of a 10-minute stereo WAVE: %.0fx real time (target 200x, ratio %.2f)\n",
                peaks, peaks / 200.0);
    return 0;
}
