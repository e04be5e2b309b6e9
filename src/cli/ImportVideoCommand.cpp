#include <iostream>
#include <memory>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "project/Document.h"
#include "video/Encoder.h"
#include "video/EncoderJob.h"
#include "video/VideoImport.h"

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
    const std::string video = AbsolutePath(args.video);
    std::string name;
    if (!VideoImport::FolderName(video, name)) return Fail("Error in file name");
    if (!Sys::FileExists(video)) return Fail("Missing file: " + video);
    const std::string folder = document.folder() + "/" + name;
    if (Sys::FolderExists(folder) && !args.yes) {
        return Fail("The folder " + folder + " exists: this video has been imported before. "
                    "Add --yes to import it again.");
    }
    if (Sys::Result r = VideoImport::PrepareFolder(folder); r.failed()) return Fail(r.message());
    std::string encoder;
    if (!Encoder::Find(encoder)) return Fail(Encoder::kNotFound);
    const std::string commandLine =
        VideoImport::CommandLine(encoder, video, document.folder(), name);
    EncoderJob job;
    if (!RunEncoderJob(commandLine, folder, job)) return kExitFailure;
    if (Sys::Result r = Sys::WriteImportVideoBin(folder); r.failed()) return Fail(r.message());
    const size_t pictures = Sys::ListFilesWithExtension(folder, ".jpg").size();
    if (pictures == 0) return FailNoOutput("pictures in " + folder, commandLine, job);
    std::cout << folder << ": " << pictures << " pictures, "
              << Sys::ReadVideoLength(document.folder(), name) << " ms\n";
    return kExitOk;
}

}  // namespace

void AddImportVideoCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<ImportArgs>();
    auto* cmd = app.add_subcommand(
        "import-video", "Turn a video into a frame folder of the project (pictures at 25 per "
                        "second and video.bin), named after the video file");
    cmd->add_option("PROJECT", args->project, "Project file (.rwk)")->required();
    cmd->add_option("VIDEO", args->video, "Video file (MP4, AVI, ...)")->required();
    cmd->add_flag("--yes", args->yes, "Import again when the frame folder exists");
    cmd->callback([&run, args] { run = [args] { return ImportVideo(*args); }; });
}

}  // namespace Cli
