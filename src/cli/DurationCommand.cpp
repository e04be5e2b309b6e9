#include <cstdio>
#include <memory>

#include "cli/Command.h"
#include "panelwick/Mm/WaveFile.h"

namespace Cli {

void AddDurationCommand(CLI::App& app, CommandRun& run) {
    auto input = std::make_shared<std::string>();
    auto* cmd =
        app.add_subcommand("duration", "Print the length of a WAVE file as \"Duration: M:SS\"");
    cmd->add_option("IN.wav", *input, "WAVE file")->required();
    cmd->callback([&run, input] {
        run = [input] {
            double seconds = 0;
            if (Sys::Result r = Mm::WaveFile::GetDuration(AbsolutePath(*input), seconds);
                r.failed()) {
                return Fail(r.message());
            }
            std::printf("%s\n", Mm::WaveFile::DurationText(seconds).c_str());
            return kExitOk;
        };
    });
}

}  // namespace Cli
