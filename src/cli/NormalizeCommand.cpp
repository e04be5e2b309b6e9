#include <memory>

#include "audio/AudioTools.h"
#include "cli/AudioToolInput.h"
#include "cli/Command.h"
#include "cli/RoutineRun.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Sys/FileSystem.h"

namespace Cli {

void AddNormalizeCommand(CLI::App& app, CommandRun& run) {
    auto input = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand("normalize",
                                   "Level the volume of a WAVE file; writes IN_norm.wav beside it");
    cmd->add_option("IN.wav", *input, "Mono or stereo 16-bit WAVE file")->required();
    cmd->callback([&run, input] {
        run = [input] {
            const std::string in = AbsolutePath(*input);
            std::string out;
            if (Sys::Result r = PrepareToolInput(in, kNormalizeSuffix, true, out); r.failed()) {
                return Fail(r.message());
            }
            Sys::DeleteFile(out);
            return RunRoutine("Normalizing", out, [&](const Mm::RoutineControl& control) {
                return Mm::Assistant::NormalizeVolume(in, out, control);
            });
        };
    });
}

}  // namespace Cli
