// bench-links: reelwork_production
// Whole movie creation against the bare encoder, in one run. The reference project: 30 s at
// 1280 x 720 and 24 fps, three moving pictures (one rotating), a text, a bevelled rectangle and
// a sound. Create Movie runs with a stand-in encoder first on PATH that first keeps a
// hard-linked copy of tmp (frames and soundtrack), then runs the real encoder; afterwards the
// real encoder runs alone on that copy with the same command line. Prints each stage's time,
// both totals and their ratio (target: at most 1.3).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Process.h"
#include "production/MoviePipeline.h"
#include "production/PipelineStages.h"
#include "project/Document.h"
#include "ReferenceProject.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

}  // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / "reelwork-bench-movie";
    fs::remove_all(dir);
    fs::create_directories(dir);
    Document doc;
    if (!MakeReferenceProject(dir, doc)) return 1;
    // The stand-in encoder, found first because its folder leads PATH.
    const fs::path kept = dir / "kept";
    Sys::WriteWholeFile(dir / "ffmpeg", "#!/bin/sh\ncp -al \"$PWD\" '" + kept.string() +
                                            "'\nexec /usr/bin/ffmpeg -v error -y \"$@\"\n");
    chmod((dir / "ffmpeg").c_str(), 0755);
    const char* path = std::getenv("PATH");
    setenv("PATH", (dir.string() + ":" + (path ? path : "")).c_str(), 1);
    fs::current_path(dir);

    MoviePipeline pipeline;
    double stageSeconds[kPipelineStageCount + 1] = {};
    int stage = 0;
    const Clock::time_point start = Clock::now();
    Clock::time_point stageStart = start;
    bool ended = false;
    (void)pipeline.Start(doc, 0, 0, [&ended] { ended = true; });
    for (;;) {
        const int now = pipeline.CurrentStage();
        if (now != stage) {
            const Clock::time_point t = Clock::now();
            if (stage > 0) stageSeconds[stage] += Seconds(stageStart, t);
            stage = now;
            stageStart = t;
        }
        if (now == 0 && ended) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    pipeline.Wait();
    const double whole = Seconds(start, Clock::now());
    if (!pipeline.Result().ok()) {
        std::fprintf(stderr, "%s\n", pipeline.Result().FullText().c_str());
        return 1;
    }

    std::string bare = pipeline.encoderCommandLine();
    bare.replace(0, bare.find(' '), "/usr/bin/ffmpeg -v error -y");
    const std::string tmp = doc.folder() + "/tmp/";
    for (size_t at; (at = bare.find(tmp)) != std::string::npos;) {
        bare.replace(at, tmp.size(), kept.string() + "/");
    }
    const Clock::time_point encodeStart = Clock::now();
    Sys::Process::RunAndWait(bare, kept.string());
    const double encode = Seconds(encodeStart, Clock::now());

    std::printf("Create Movie, 30 s at 1280x720, 24 fps, 6 objects (%u worker threads)\n",
                std::thread::hardware_concurrency());
    for (int s = 1; s <= kPipelineStageCount; ++s) {
        std::printf("  %-30s %7.2f s\n", StageName(s), stageSeconds[s]);
    }
    std::printf("  whole Create Movie             %7.2f s\n", whole);
    std::printf("  bare encoder, same frames      %7.2f s\n", encode);
    std::printf("  ratio                          %7.2f   (target <= 1.3)\n", whole / encode);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
    return 0;
}
