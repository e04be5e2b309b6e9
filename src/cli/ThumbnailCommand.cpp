#include <algorithm>
#include <memory>
#include <vector>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/FrameOutput.h"
#include "project/Document.h"
#include "project/MovieFrameCount.h"

namespace Cli {
namespace {

struct ThumbnailArgs {
    std::string project, out;
    int size = 256;
};

// The movie size that fits size x size with the movie's aspect, the longer side exactly size.
// The renderer places everything relative to the reference frame, so a movie rendered at this
// size shows the same picture as a full-size frame scaled down.
void FitInSquare(MovieProperties& p, int size) {
    const int64_t w = std::max<int64_t>(p.width, 1), h = std::max<int64_t>(p.height, 1);
    if (w >= h) {
        p.height = uint16_t(std::max<int64_t>(1, (h * size + w / 2) / w));
        p.width = uint16_t(size);
    } else {
        p.width = uint16_t(std::max<int64_t>(1, (w * size + h / 2) / h));
        p.height = uint16_t(size);
    }
}

// The frame at one second, or the last frame of a shorter movie.
uint32_t ThumbnailFrame(const Document& document) {
    const uint8_t fps = document.properties.fps;
    const uint32_t frames = MovieFrameCount(document.objects, fps);
    return frames == 0 ? 0 : std::min<uint32_t>(fps, frames - 1);
}

int Thumbnail(const ThumbnailArgs& args) {
    Document document;
    CliPrompt prompt;
    if (!document.Open(AbsolutePath(args.project), prompt)) return kExitFailure;
    MovieProperties p = document.properties;
    FitInSquare(p, args.size);
    // An object that cannot be prepared (its picture is missing, say) is left out, so the
    // thumbnail shows the rest.
    return WriteProjectFrame(document, p, ThumbnailFrame(document), args.out, true);
}

}  // namespace

void AddThumbnailCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<ThumbnailArgs>();
    auto* cmd = app.add_subcommand(
        "thumbnail",
        "Write a PNG thumbnail of the project: its frame at one second (the last frame of a "
        "shorter movie), rendered to fit N x N pixels. Objects that cannot be prepared, such as "
        "missing pictures, are left out");
    cmd->add_option("PROJECT", args->project, "Project file (.rwk)")->required();
    cmd->add_option("OUT.png", args->out, "PNG file to write")->required();
    cmd->add_option("--size", args->size, "Longest side N in pixels, 16 to 2048; default 256")
        ->check(CLI::Range(16, 2048));
    cmd->callback([&run, args] { run = [args] { return Thumbnail(*args); }; });
}

}  // namespace Cli
