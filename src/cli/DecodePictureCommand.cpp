#include <memory>

#include "cli/Command.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "panelwick/CG/PngWriter.h"

namespace Cli {

void AddDecodePictureCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<std::pair<std::string, std::string>>();
    auto* cmd = app.add_subcommand(
        "decode-picture", "Load a picture (JPG, PNG, GIF or BMP) with the picture loader the "
                          "movie uses and write it as an RGBA PNG");
    cmd->add_option("IN", args->first, "Picture file")->required();
    cmd->add_option("OUT", args->second, "PNG file to write")->required();
    cmd->callback([&run, args] {
        run = [args] {
            CG::ImageRGBA image;
            if (Sys::Result r = CG::LoadPicture(image, AbsolutePath(args->first)); r.failed()) {
                return Fail(r.message());
            }
            if (Sys::Result r = CG::PngWriter::Save(image, AbsolutePath(args->second));
                r.failed()) {
                return Fail(r.message());
            }
            return kExitOk;
        };
    });
}

}  // namespace Cli
