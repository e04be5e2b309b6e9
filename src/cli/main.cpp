#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/Command.h"
#include "project/Version.h"

int main(int argc, char** argv) {
    CLI::App app{"reelwork-cli: make short movies from pictures, text and sound, without a window"};
    app.set_version_flag("--version", std::string("reelwork-cli ") + std::to_string(kVersionMajor) +
                                          "." + std::to_string(kVersionMinor));
    app.require_subcommand(1);
    CommandRun run;
    Cli::AddNewCommand(app, run);
    Cli::AddInfoCommand(app, run);
    Cli::AddToJsonCommand(app, run);
    Cli::AddFromJsonCommand(app, run);
    Cli::AddCreateMovieCommand(app, run);
    Cli::AddEncodeJpegCommand(app, run);
    Cli::AddImportVideoCommand(app, run);
    Cli::AddAddCommand(app, run);
    Cli::AddSlideshowCommand(app, run);
    Cli::AddConversionCommands(app, run);
    Cli::AddCombineCommand(app, run);
    Cli::AddExportPageCommand(app, run);
    Cli::AddDecodePictureCommand(app, run);
    Cli::AddRenderFrameCommand(app, run);
    Cli::AddThumbnailCommand(app, run);
    Cli::AddMixAudioCommand(app, run);
    Cli::AddDurationCommand(app, run);
    Cli::AddNormalizeCommand(app, run);
    Cli::AddBoostBassCommand(app, run);
    Cli::AddSmoothEndsCommand(app, run);
    Cli::AddCutCommand(app, run);
    Cli::AddMixCommand(app, run);
    Cli::AddAppendCommand(app, run);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help and version print and succeed; every other mistake is a failure like any other.
        return app.exit(e) == 0 ? Cli::kExitOk : Cli::kExitFailure;
    }
    return run ? run() : Cli::kExitFailure;
}
