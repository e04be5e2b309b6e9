#include <iostream>
#include <iterator>
#include <memory>

#include "cli/Command.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/ProjectFile.h"
#include "project/ProjectJson.h"

namespace Cli {

void AddFromJsonCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<std::pair<std::string, std::string>>();
    auto* cmd = app.add_subcommand(
        "from-json",
        "Write the project file PROJECT from JSON in the form to-json prints (\"-\" reads "
        "standard input). A missing field takes its default; a value outside its field's range "
        "is refused with a message naming the field, and nothing is written");
    cmd->add_option("JSON", args->first, "JSON file, or - for standard input")->required();
    cmd->add_option("PROJECT", args->second, "Project file to write (.rwk)")->required();
    cmd->callback([&run, args] {
        run = [args] {
            std::string text;
            if (args->first == "-") {
                text.assign(std::istreambuf_iterator<char>(std::cin), {});
            } else if (!Sys::ReadWholeFile(args->first, text)) {
                return Fail("Unable to read " + args->first);
            }
            MovieProperties properties;
            std::vector<MovieObject> objects;
            ProjectFileExtras extras;
            Sys::Result r = ProjectJson::Read(text, properties, objects, extras);
            if (r.failed()) return Fail(r.message());
            if (Sys::LowerExtension(args->second, 7) != "rwk") {
                return Fail("The file must be a Reelwork file (*.rwk)");
            }
            r = ProjectFile::Save(AbsolutePath(args->second), properties, objects, &extras);
            return r.failed() ? Fail(r.message()) : kExitOk;
        };
    });
}

}  // namespace Cli
