#pragma once

#include <functional>
#include <string>

#include <CLI/CLI.hpp>

// Each command adds its sub-command to the application; when the command line selects it,
// its callback stores in `run` the work to do, which returns the exit status.
using CommandRun = std::function<int()>;

namespace Cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitStopped = 130;

// Prints the message on standard error and gives the failure status.
int Fail(const std::string& message);
// The path made absolute and normalised, without a trailing '/', as the project operations
// expect it.
std::string AbsolutePath(const std::string& path);

void AddNewCommand(CLI::App& app, CommandRun& run);
void AddInfoCommand(CLI::App& app, CommandRun& run);
void AddToJsonCommand(CLI::App& app, CommandRun& run);
void AddFromJsonCommand(CLI::App& app, CommandRun& run);
void AddDecodePictureCommand(CLI::App& app, CommandRun& run);
void AddConversionCommands(CLI::App& app, CommandRun& run);
void AddExportPageCommand(CLI::App& app, CommandRun& run);
void AddRenderFrameCommand(CLI::App& app, CommandRun& run);
void AddThumbnailCommand(CLI::App& app, CommandRun& run);

void AddEncodeJpegCommand(CLI::App& app, CommandRun& run);
void AddCreateMovieCommand(CLI::App& app, CommandRun& run);
void AddImportVideoCommand(CLI::App& app, CommandRun& run);
void AddAddCommand(CLI::App& app, CommandRun& run);
void AddSlideshowCommand(CLI::App& app, CommandRun& run);
void AddCombineCommand(CLI::App& app, CommandRun& run);

// Audio tools.
void AddDurationCommand(CLI::App& app, CommandRun& run);
void AddNormalizeCommand(CLI::App& app, CommandRun& run);
void AddBoostBassCommand(CLI::App& app, CommandRun& run);
void AddSmoothEndsCommand(CLI::App& app, CommandRun& run);
void AddCutCommand(CLI::App& app, CommandRun& run);
void AddMixCommand(CLI::App& app, CommandRun& run);
void AddAppendCommand(CLI::App& app, CommandRun& run);
void AddMixAudioCommand(CLI::App& app, CommandRun& run);

}  // namespace Cli
