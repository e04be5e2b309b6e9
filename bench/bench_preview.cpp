// bench-links: reelwork_production
// The monitor's preview engine on the reference project (ReferenceProject.h):
// 1. frames composed for a 960 x 540 monitor on one core: median milliseconds per frame beside
//    the frame interval at 24 fps (41.7 ms), the full-size 1280 x 720 compose and the target
//    (at most 10 ms, a quarter of the interval);
// 2. the live soundtrack from the middle of the movie: seconds of sound mixed per second
//    (target at least 50 times real time), beside the soundtrack file's mixdown.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "ReferenceProject.h"
#include "audio/SoundtrackMixdown.h"
#include "audio/SoundtrackMixer.h"
#include "production/PreviewCache.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Median ms per frame over every 4th frame of the movie.
double MedianCompose(PreviewCache& cache, int width, int height, uint32_t frames) {
    CG::DIBitmap target;
    std::vector<double> times;
    for (uint32_t f = 0; f < frames; f += 4) {
        const Clock::time_point start = Clock::now();
        if (cache.Compose(f, width, height, target).failed()) return -1;
        times.push_back(Ms(start, Clock::now()));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "reelwork-bench-preview";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    Document doc;
    if (!MakeReferenceProject(dir, doc)) return 1;
    PreviewSnapshot snapshot{1, doc.objects, doc.properties, doc.paths()};
    PreviewCache cache;
    const Clock::time_point prepareStart = Clock::now();
    if (!cache.Update(snapshot, Mt::Task::Unwatched()).ok()) return 1;
    const double prepare = Ms(prepareStart, Clock::now());
    const uint32_t frames = 30 * 24;
    const double monitor = MedianCompose(cache, 960, 540, frames);
    const double full = MedianCompose(cache, 1280, 720, frames);
    const double interval = 1000.0 / 24;
    std::printf("Preview of the reference project (one core), preparation %.1f ms\n", prepare);
    std::printf("  960x540 monitor frame   %7.2f ms median   target <= %.1f ms   ratio %.2f\n",
                monitor, interval / 4, monitor / (interval / 4));
    std::printf("  frame interval          %7.2f ms          frame / interval %.2f\n", interval,
                monitor / interval);
    std::printf("  1280x720 full frame     %7.2f ms median   monitor / full %.2f\n", full,
                monitor / full);

    // The live soundtrack from 15 s to the end, against the file's whole mixdown.
    SoundtrackMixer mixer(doc.objects, doc.properties, doc.folder());
    std::vector<int16_t> block(2 * 4096);
    const Clock::time_point liveStart = Clock::now();
    mixer.Seek(15 * 44100);
    uint64_t mixed = 0;
    while (size_t n = mixer.Read(block.data(), 4096)) mixed += n;
    const double live = Ms(liveStart, Clock::now()) / 1000.0;
    Mt::Task task;
    const Clock::time_point fileStart = Clock::now();
    if (MixSoundtrack(doc.objects, doc.properties, doc.folder(), dir / "movie.wav", task)
            .failed()) {
        return 1;
    }
    const double file = Ms(fileStart, Clock::now()) / 1000.0;
    const double liveSpeed = mixed / 44100.0 / live;
    std::printf(
        "  live soundtrack from 15 s  %6.1f x real time (seek and mix %.3f s)   target >= 50x"
        "   ratio %.2f\n",
        liveSpeed, live, liveSpeed / 50);
    std::printf("  mixdown file, whole 30 s   %6.1f x real time\n", 30.0 / file);
    std::filesystem::remove_all(dir);
    return 0;
}
