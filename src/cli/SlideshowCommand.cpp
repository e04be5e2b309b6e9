#include <cmath>
#include <iostream>
#include <memory>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/JobRun.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/Document.h"
#include "video/SlideshowJob.h"

namespace Cli {
namespace {

struct SlideshowArgs {
    std::string dir, name;
    std::vector<std::string> pictures;
    std::string music;
    double duration = 5;
    double fade = 0.5;
};

int Slideshow(const SlideshowArgs& args) {
    SlideshowJob::Settings settings;
    for (const std::string& p : args.pictures) settings.pictures.push_back(AbsolutePath(p));
    if (!args.music.empty()) settings.music = AbsolutePath(args.music);
    settings.pictureMs = uint32_t(std::lround(args.duration * 1000));
    settings.fadeMs = uint32_t(std::lround(args.fade * 1000));
    const std::string folder = AbsolutePath(args.dir) + "/" + args.name;
    SlideshowJob job;
    if (Sys::Result r = job.Plan(folder, settings); r.failed()) return Fail(r.message());
    Document document;
    CliPrompt prompt;
    if (!document.New(folder, prompt, false)) return kExitFailure;
    const int status =
        RunJob(ProgressLabel("Slideshow"), "", [&](Mt::Task& task) { return job.Run(task); });
    if (status == kExitOk) {
        document.objects = job.objects();
        if (Sys::Result r = document.Save(); r.ok()) {
            std::cout << document.file() << '\n';
            return kExitOk;
        } else {
            Fail(r.message());
        }
    }
    // A show that could not be made leaves no project folder behind.
    Sys::DeleteFolderTree(folder);
    return status == kExitOk ? kExitFailure : status;
}

}  // namespace

void AddSlideshowCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<SlideshowArgs>();
    auto* cmd = app.add_subcommand(
        "slideshow",
        "Create the project DIR/NAME showing the pictures one after another, each "
        "fading in and out with a gentle zoom, with music under the whole show; "
        "prints the project file path");
    cmd->add_option("DIR", args->dir, "Folder in which the project folder is created")->required();
    cmd->add_option("NAME", args->name, "Project name")->required();
    cmd->add_option("PICTURE", args->pictures, "Pictures, or folders of pictures")->required();
    cmd->add_option("--music", args->music, "Sound under the show (WAVE, MP3, OGG, FLAC, M4A)");
    cmd->add_option("--duration", args->duration, "Seconds each picture is shown (default 5)")
        ->check(CLI::PositiveNumber);
    cmd->add_option("--fade", args->fade, "Seconds of each fade in and out (default 0.5)")
        ->check(CLI::NonNegativeNumber);
    cmd->callback([&run, args] { run = [args] { return Slideshow(*args); }; });
}

}  // namespace Cli
