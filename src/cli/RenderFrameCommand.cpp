#include <memory>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "panelwick/CG/BmpWriter.h"
#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/CG/PngWriter.h"
#include "panelwick/Sys/FileSystem.h"
#include "production/ScenePreparation.h"
#include "project/Document.h"
#include "render/FrameComposer.h"

namespace Cli {
namespace {

struct RenderFrameArgs {
    std::string project, out;
    uint32_t frame = 0;
};

Sys::Result Save(const CG::DIBitmap& frame, const std::string& path, int quality) {
    const std::string ext = Sys::LowerExtension(path, 8);
    if (ext == "jpg" || ext == "jpeg") {
        CG::JpegEncoder encoder;
        if (!encoder.EncodeToFile(frame, path, quality)) return "Unable to write " + path;
        return {};
    }
    if (ext == "bmp") return CG::BmpWriter::Save(frame, path);
    CG::ImageRGBA image;
    if (!frame.Export(image)) return "Out of memory";
    return CG::PngWriter::Save(image, path);
}

int RenderFrame(const RenderFrameArgs& args) {
    const std::string ext = Sys::LowerExtension(args.out, 8);
    if (ext != "jpg" && ext != "jpeg" && ext != "png" && ext != "bmp") {
        return Fail("OUT must end in .jpg, .png or .bmp");
    }
    Document document;
    CliPrompt prompt;
    if (!document.Open(AbsolutePath(args.project), prompt)) return kExitFailure;
    ScenePreparation preparation(document.objects, document.properties, document.paths());
    if (Mt::TaskResult r = preparation.PrepareAll(Mt::Task::Unwatched()); !r.ok()) {
        return Fail(r.message());
    }
    PreparedScene& scene = preparation.scene();
    const MovieProperties& p = scene.properties;
    CG::DIBitmap frame;
    CG::ImageRGBA video;
    if (!frame.Create(24, 0, p.width, p.height, false)) return Fail("Out of memory");
    if (Sys::Result r = ComposeFrame(scene.frameScene(), args.frame, frame, video); r.failed()) {
        return Fail(r.message());
    }
    if (Sys::Result r = Save(frame, AbsolutePath(args.out), p.jpgQuality); r.failed()) {
        return Fail(r.message());
    }
    return kExitOk;
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
