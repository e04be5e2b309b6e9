#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/ObjectLine.h"
#include "project/Document.h"

namespace Cli {
namespace {

void PrintInfo(const Document& document) {
    const MovieProperties& p = document.properties;
    std::printf("%s\n", document.file().c_str());
    std::printf("%ux%u, %u fps, movie quality %u, JPG quality %u, back color 0x%08X, "
                "normalize volume %s\n",
                p.width, p.height, p.fps, p.movieQuality, p.jpgQuality, p.backColor,
                p.normalizeVolume ? "on" : "off");
    std::printf("%zu object%s\n", document.objects.size(), document.objects.size() == 1 ? "" : "s");
    int row = 0;
    for (const MovieObject& o : document.objects) {
        std::fputs(ObjectLine(++row, o).c_str(), stdout);
    }
}

}  // namespace

void AddInfoCommand(CLI::App& app, CommandRun& run) {
    auto project = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand(
        "info", "Print the movie properties and one line per object: its time span as the "
                "timeline shows it and its name");
    cmd->add_option("PROJECT", *project, "Project file (.rwk)")->required();
    cmd->callback([&run, project] {
        run = [project] {
            Document document;
            CliPrompt prompt;
            if (!document.Open(AbsolutePath(*project), prompt)) return kExitFailure;
            PrintInfo(document);
            return kExitOk;
        };
    });
}

}  // namespace Cli
