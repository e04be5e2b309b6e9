#include <iostream>
#include <memory>

#include "cli/Command.h"
#include "project/ProjectFile.h"
#include "project/ProjectJson.h"

namespace Cli {

void AddToJsonCommand(CLI::App& app, CommandRun& run) {
    auto project = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand(
        "to-json",
        "Print the project as JSON. Field names are the model's; \"type\" is the object type's "
        "number (0 Image, 1 Text, 2 Rectangle, 3 vector-drawing page, 4 Audio, 5 Video). "
        "Lossless: a fileName or text that is not valid UTF-16 is written as an array of its "
        "UTF-16 code units, a boolean byte other than 0 or 1 as its number, and bytes after the "
        "last object as the hex string \"trailingBytes\"; from-json turns the output back into "
        "the same file byte for byte");
    cmd->add_option("PROJECT", *project, "Project file (.rwk)")->required();
    cmd->callback([&run, project] {
        run = [project] {
            MovieProperties properties;
            std::vector<MovieObject> objects;
            ProjectFileExtras extras;
            Sys::Result r = ProjectFile::Load(AbsolutePath(*project), properties, objects, &extras);
            if (r.failed()) return Fail(r.message());
            std::cout << ProjectJson::Write(properties, objects, extras);
            return std::cout.good() ? kExitOk : kExitFailure;
        };
    });
}

}  // namespace Cli
