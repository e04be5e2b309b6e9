#include <iostream>
#include <memory>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "project/Document.h"

namespace Cli {

void AddNewCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<std::pair<std::string, std::string>>();
    auto* cmd = app.add_subcommand(
        "new", "Create the project folder DIR/NAME with NAME.rwk, the sample picture and sound "
               "and two sample objects; prints the project file path");
    cmd->add_option("DIR", args->first, "Folder in which the project folder is created")
        ->required();
    cmd->add_option("NAME", args->second, "Project name")->required();
    cmd->callback([&run, args] {
        run = [args] {
            Document document;
            CliPrompt prompt;
            if (!document.New(AbsolutePath(args->first) + "/" + args->second, prompt)) {
                return kExitFailure;
            }
            std::cout << document.file() << '\n';
            return kExitOk;
        };
    });
}

}  // namespace Cli
