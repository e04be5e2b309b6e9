#include <iostream>
#include <memory>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/JobRun.h"
#include "project/Document.h"
#include "video/VideoImportJob.h"

namespace Cli {
namespace {

struct ImportArgs {
    std::string project, video;
    bool yes = false;
};

int ImportVideo(const ImportArgs& args) {
    Document document;
    CliPrompt prompt;
    if (!document.Open(AbsolutePath(args.project), prompt)) return kExitFailure;
    VideoImportJob job;
    if (Sys::Result r = job.Plan(document.folder(), AbsolutePath(args.video)); r.failed()) {
        return Fail(r.message());
    }
    if (job.importedBefore() && !args.yes) {
        return Fail("The folder " + job.folder() +
                    " exists: this video has been imported before. "
                    "Add --yes to import it again.");
    }
    const int status = RunJob("", "", [&](Mt::Task& task) { return job.Run(task); });
    if (status != kExitOk) return status;
    std::cout << job.folder() << ": " << job.pictures() << " pictures, " << job.lengthMs()
              << " ms\n";
    return kExitOk;
}

}  // namespace

void AddImportVideoCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<ImportArgs>();
    auto* cmd =
        app.add_subcommand("import-video",
                           "Turn a video into a frame folder of the project (pictures at 25 per "
                           "second and video.bin), named after the video file");
    cmd->add_option("PROJECT", args->project, "Project file (.rwk)")->required();
    cmd->add_option("VIDEO", args->video, "Video file (MP4, AVI, ...)")->required();
    cmd->add_flag("--yes", args->yes, "Import again when the frame folder exists");
    cmd->callback([&run, args] { run = [args] { return ImportVideo(*args); }; });
}

}  // namespace Cli
