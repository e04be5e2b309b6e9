#include <memory>
#include <vector>

#include "cli/Command.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/CG/PictureLoader.h"
#include "panelwick/Sys/Buffer.h"

namespace Cli {
namespace {

struct EncodeArgs {
    std::string in, out;
    int quality = 90;
};

int EncodeJpeg(const EncodeArgs& args) {
    CG::ImageRGBA image;
    if (Sys::Result r = CG::LoadPicture(image, AbsolutePath(args.in)); r.failed()) {
        return Fail(r.message());
    }
    // The encoder takes packed RGB; transparency has no place in a JPG.
    std::vector<uint8_t> rgb(size_t(image.width()) * image.height() * 3);
    const uint8_t* p = image.pixels();
    for (size_t i = 0; i < rgb.size(); i += 3, p += 4) {
        rgb[i] = p[0];
        rgb[i + 1] = p[1];
        rgb[i + 2] = p[2];
    }
    CG::JpegEncoder encoder;
    Sys::Buffer jpg;
    if (!encoder.EncodeRGB(rgb.data(), int(image.width()), int(image.height()), true,
                           args.quality, jpg)) {
        return Fail("Unable to encode " + args.in);
    }
    if (!jpg.SaveToFile(AbsolutePath(args.out))) return Fail("Unable to write " + args.out);
    return kExitOk;
}

}  // namespace

void AddEncodeJpegCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<EncodeArgs>();
    auto* cmd = app.add_subcommand(
        "encode-jpeg", "Load a picture (JPG, PNG, GIF or BMP) and write it through our JPEG "
                       "encoder (baseline, 4:2:0) as the movie frames are written");
    cmd->add_option("IN", args->in, "Picture file")->required();
    cmd->add_option("OUT", args->out, "JPG file to write")->required();
    cmd->add_option("--quality", args->quality, "Quality 1 to 100; more counts as 100")
        ->default_val(90)
        ->check(CLI::Range(1, 1000));
    cmd->callback([&run, args] { run = [args] { return EncodeJpeg(*args); }; });
}

}  // namespace Cli
