// bench-links: reelwork_audio reelwork_project
// The audio engine's speed: the soundtrack mixdown (x real time, peak memory for a 60 s and a
// 600 s movie), boost-bass beside sox's bass filter on the same 10-minute file, and normalize.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "audio/SoundtrackMixdown.h"
#include "panelwick/Mm/BufferedWaveFile.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/ProjectFile.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Run {
    double seconds = 0;
    long peakKb = 0;
    int status = -1;
};

// Runs a program to its end: wall time, peak resident memory, exit status.
Run RunProgram(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) return run;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKb = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A stereo 16-bit file of `seconds` of tones and noise, different for every seed.
void WriteMusic(const std::string& path, double seconds, uint32_t seed) {
    Mm::BufferedWaveFile file;
    file.AllocateBuffer();
    if (file.OpenForWritting(44100, 2, 16, path).failed()) std::exit(1);
    uint32_t x = seed * 2654435761u + 1;
    const double f1 = 110.0 * (1 + seed % 5), f2 = 1500.0 + 300 * (seed % 7);
    const long frames = long(seconds * 44100);
    for (long i = 0; i < frames; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        const double t = i / 44100.0;
        const double noise = double(int32_t(x)) / 2147483648.0;
        const double v = 6000 * std::sin(2 * M_PI * f1 * t) + 3000 * std::sin(2 * M_PI * f2 * t);
        file.WriteSample(int16_t(v + 2000 * noise));
        file.WriteSample(int16_t(0.8 * v - 2000 * noise));
    }
    (void)file.FlushAndClose();
}

// Ten audio objects with shelves, level ramps and the default fades, spread so that they
// overlap, over a movie of `movieSeconds`.
std::vector<MovieObject> Objects(double movieSeconds) {
    std::vector<MovieObject> objects;
    const double length = movieSeconds <= 60 ? 29.4 : 66.0;
    const double step = (movieSeconds - length) / 9;
    for (int k = 0; k < 10; ++k) {
        MovieObject o;
        o.type = MovieObjectType::Audio;
        o.fileName = u"music" + std::u16string(1, char16_t(u'0' + k)) + u".wav";
        o.begin = uint32_t(k * step * 1000);
        o.end = uint32_t((k * step + length) * 1000);
        o.bassGain = int8_t(3 + k % 4);
        o.bassFrequency = uint8_t(80 + 10 * k);
        o.trebleGain = int8_t(-2 - k % 5);
        o.trebleFrequency = uint16_t(3000 + 500 * k);
        o.beginState.volumeLeft = -3;
        o.endState.volumeLeft = -12;
        o.beginState.volumeRight = 0;
        o.endState.volumeRight = -6;
        objects.push_back(o);
    }
    MovieObject picture;  // sets the movie length
    picture.end = uint32_t(movieSeconds * 1000);
    objects.push_back(picture);
    return objects;
}

void Mixdown(const fs::path& dir, const std::string& cli) {
    std::printf(
        "Soundtrack mixdown: 10 overlapping stereo objects, shelves, ramps, fades, "
        "normaliser\n");
    for (int k = 0; k < 10; ++k) {
        WriteMusic((dir / ("music" + std::to_string(k) + ".wav")).string(), 66, uint32_t(k));
    }
    MovieProperties properties = MovieProperties::AfterNew();
    properties.normalizeVolume = true;
    for (double movie : {60.0, 600.0}) {
        const std::vector<MovieObject> objects = Objects(movie);
        std::vector<double> times;
        for (int run = 0; run < (movie <= 60 ? 3 : 1); ++run) {
            Mt::Task progress;
            const auto start = std::chrono::steady_clock::now();
            if (MixSoundtrack(objects, properties, dir.string(), dir / "movie.wav", progress)
                    .failed()) {
                std::exit(1);
            }
            times.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        const fs::path project = dir / ("movie" + std::to_string(int(movie)) + ".rwk");
        if (ProjectFile::Save(project, properties, objects).failed()) std::exit(1);
        const Run run =
            RunProgram({cli, "mix-audio", project.string(), (dir / "cli.wav").string()});
        const double seconds = Median(times);
        std::printf(
            "  %3.0f s movie: %.3f s in process = %.1fx real time (target >= 50x: "
            "ratio %.2f); reelwork-cli mix-audio %.3f s, peak RSS %.1f MB\n",
            movie, seconds, movie / seconds, movie / seconds / 50, run.seconds,
            run.peakKb / 1024.0);
    }
}

void FileTools(const fs::path& dir, const std::string& cli) {
    const std::string in = (dir / "ten.wav").string();
    WriteMusic(in, 600, 99);
    std::printf("Whole-file tools on a 10-minute stereo file (%.0f MB), median of 5 runs\n",
                fs::file_size(in) / 1e6);
    std::vector<double> ours, sox, ratios, normalize;
    for (int run = 0; run < 5; ++run) {
        const Run a = RunProgram({cli, "boost-bass", in, "120", "6"});
        const Run b = RunProgram({"sox", in, (dir / "sox.wav").string(), "bass", "+6", "120"});
        if (a.status != 0 || b.status != 0) std::exit(1);
        ours.push_back(a.seconds);
        sox.push_back(b.seconds);
        ratios.push_back(a.seconds / b.seconds);
        normalize.push_back(RunProgram({cli, "normalize", in}).seconds);
    }
    std::printf(
        "  boost-bass 120 Hz 6 dB: %.3f s; sox bass +6 120: %.3f s; ratio %.2f (target "
        "<= 1.0)\n",
        Median(ours), Median(sox), Median(ratios));
    std::printf("  normalize: %.3f s = %.0fx real time\n", Median(normalize),
                600 / Median(normalize));
}

}  // namespace

int main() {
    const fs::path dir =
        fs::temp_directory_path() / ("reelwork-bench-audio-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string cli = std::string(REELWORK_BIN_DIR) + "/reelwork-cli";
    Mixdown(dir, cli);
    FileTools(dir, cli);
    Sys::DeleteFolderTree(dir);
    return 0;
}
