#include <memory>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/FrameOutput.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/Document.h"

namespace Cli {
namespace {

struct RenderFrameArgs {
    std::string project, out;
    uint32_t frame = 0;
};

int RenderFrame(const RenderFrameArgs& args) {
    const std::string ext = Sys::LowerExtension(args.out, 8);
    if (ext != "jpg" && ext != "jpeg" && ext != "png" && ext != "bmp") {
        return Fail("OUT must end in .jpg, .png or .bmp");
    }
    Document document;
    CliPrompt prompt;
    if (!document.Open(AbsolutePath(args.project), prompt)) return kExitFailure;
    return WriteProjectFrame(document, document.properties, args.frame, args.out, false);
}

}  // namespace

void AddRenderFrameCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<RenderFrameArgs>();
    auto* cmd =
        app.add_subcommand("render-frame",
                           "Prepare the objects and compose one frame as the movie would; OUT.jpg "
                           "is encoded at the project's JPG quality, OUT.png and OUT.bmp keep the "
                           "exact pixels");
    cmd->add_option("PROJECT", args->project, "Project file (.rwk)")->required();
    cmd->add_option("FRAME", args->frame, "Frame number, from 0")->required();
    cmd->add_option("OUT", args->out, "Picture to write (.jpg, .png or .bmp)")->required();
    cmd->callback([&run, args] { run = [args] { return RenderFrame(*args); }; });
}

}  // namespace Cli
