#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/Command.h"
#include "panelwick/Sys/Utf.h"
#include "video/PageExportSession.h"

namespace Cli {
namespace {

struct ExportPageArgs {
    std::string document;
    int page = 1;
    std::string output;
};

int ExportOnePage(const ExportPageArgs& args) {
    if (args.page < 1 || args.page > 255) {
        return Fail("PAGE: " + std::to_string(args.page) + " is outside 1..255");
    }
    const std::filesystem::path document = AbsolutePath(args.document);
    const std::string output = AbsolutePath(args.output);
    MovieObject object;
    object.type = MovieObjectType::CorelDrawPage;
    object.fileName = Sys::ToUtf16(document.filename().string());
    object.page = static_cast<uint8_t>(args.page);

    PageExportSession session;
    Sys::Result result = session.Start();
    if (result.ok()) result = session.ExportToPng(document.parent_path().string(), object, output);
    Sys::Result quit = session.Quit();
    if (result.ok()) result = quit;
    if (result.failed()) return Fail(result.message());
    std::printf("%s\n", output.c_str());
    return kExitOk;
}

}  // namespace

void AddExportPageCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<ExportPageArgs>();
    auto* cmd = app.add_subcommand(
        "export-page",
        "Export one page of a vector-drawing document (.cdr) as a PNG with transparency at "
        "150 dots per inch, through the drawing server as a movie does; prints the PNG's path");
    cmd->add_option("DOC", args->document, "Drawing document (.cdr)")->required();
    cmd->add_option("PAGE", args->page, "Page number, from 1")->required();
    cmd->add_option("OUT", args->output, "PNG file to write")->required();
    cmd->callback([&run, args] { run = [args] { return ExportOnePage(*args); }; });
}

}  // namespace Cli
