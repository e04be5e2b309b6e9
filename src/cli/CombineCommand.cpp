#include <memory>

#include "cli/Command.h"
#include "cli/JobRun.h"
#include "video/CombineJob.h"

namespace Cli {
namespace {

int Combine(CombineJob::Settings settings) {
    for (std::string* path : {&settings.audioPath, &settings.videoPath, &settings.outputPath}) {
        if (!path->empty()) *path = AbsolutePath(*path);
    }
    CombineJob combine;
    if (Sys::Result r = combine.Build(settings); r.failed()) return Fail(r.message());
    return RunJob("", "", [&](Mt::Task& task) { return combine.Run(task); });
}

}  // namespace

void AddCombineCommand(CLI::App& app, CommandRun& run) {
    auto settings = std::make_shared<CombineJob::Settings>();
    auto* cmd = app.add_subcommand(
        "combine",
        "Join a sound with a video (MP3 + MP4, streams copied) or with a numbered "
        "JPG series (WAVE + JPG files, --jpg-series) into one MP4 file");
    cmd->add_option("--audio", settings->audioPath, "Sound: MP3, or WAVE with --jpg-series")
        ->required();
    cmd->add_option("--video", settings->videoPath,
                    "Video (MP4), or any picture of the JPG series with --jpg-series")
        ->required();
    cmd->add_option("--output", settings->outputPath, "MP4 file to write")->required();
    cmd->add_option("--quality", settings->quality, "Quality 5 to 100")
        ->default_val(95)
        ->check(CLI::Range(5, 100));
    cmd->add_flag("--jpg-series", settings->jpgSeries,
                  "The video is a series of numbered JPG files, starting at 1");
    cmd->add_option("--fps", settings->fps, "Pictures per second of the JPG series, 5 to 60")
        ->default_val(30)
        ->check(CLI::Range(5, 60));
    cmd->callback([&run, settings] { run = [settings] { return Combine(*settings); }; });
}

}  // namespace Cli
