#include <memory>

#include "cli/Command.h"
#include "cli/JobRun.h"
#include "video/MediaConversion.h"

namespace Cli {
namespace {

int Convert(MediaConversion::Kind kind, const std::string& path) {
    MediaConversion plan;
    if (Sys::Result r = plan.Plan(kind, AbsolutePath(path)); r.failed()) return Fail(r.message());
    return RunJob("", plan.output(), [&](Mt::Task& task) { return plan.Run(task); });
}

void AddConversion(CLI::App& app, CommandRun& run, const char* name, const char* help,
                   MediaConversion::Kind kind) {
    auto path = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand(name, help);
    cmd->add_option("FILE", *path, "Input file")->required();
    cmd->callback([&run, path, kind] { run = [path, kind] { return Convert(kind, *path); }; });
}

}  // namespace

void AddConversionCommands(CLI::App& app, CommandRun& run) {
    AddConversion(app, run, "mp3-to-wave",
                  "Convert F.mp3 to F.wav beside it with the encoder; prints the output path",
                  MediaConversion::Kind::Mp3ToWave);
    AddConversion(app, run, "mp4-to-wave",
                  "Write the sound of F.mp4 to F.wav beside it; prints the output path",
                  MediaConversion::Kind::Mp4ToWave);
    AddConversion(app, run, "wave-to-mp3",
                  "Convert F.wav to F.mp3 beside it; prints the output path",
                  MediaConversion::Kind::WaveToMp3);
}

}  // namespace Cli
