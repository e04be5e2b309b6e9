#include <memory>

#include "audio/AudioTools.h"
#include "cli/AudioToolInput.h"
#include "cli/Command.h"
#include "cli/RoutineRun.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Sys/FileSystem.h"

namespace Cli {

void AddSmoothEndsCommand(CLI::App& app, CommandRun& run) {
    auto input = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand(
        "smooth-ends", "Fade a WAVE file in and out over 0.2 s; writes IN_smooth.wav beside it");
    cmd->add_option("IN.wav", *input, "WAVE file")->required();
    cmd->callback([&run, input] {
        run = [input] {
            const std::string in = AbsolutePath(*input);
            std::string out;
            if (Sys::Result r = PrepareToolInput(in, kSmoothSuffix, false, out); r.failed()) {
                return Fail(r.message());
            }
            Sys::DeleteFile(out);
            return RunRoutine("", out, [&](const Mm::RoutineControl& control) {
                return Mm::Assistant::SmoothEndsFile(in, out, control);
            });
        };
    });
}

}  // namespace Cli
