#include <memory>
#include <vector>

#include "audio/AudioTools.h"
#include "cli/Command.h"
#include "cli/RoutineRun.h"
#include "panelwick/Mm/AppendWorker.h"

namespace Cli {

void AddAppendCommand(CLI::App& app, CommandRun& run) {
    struct Args {
        std::string output;
        std::vector<std::string> inputs;
    };
    auto args = std::make_shared<Args>();
    auto* cmd = app.add_subcommand(
        "append", "Join WAVE files of the same format one after another into OUT.wav");
    cmd->add_option("OUT.wav", args->output, "Output file")->required();
    cmd->add_option("IN.wav", args->inputs, "Two or more input files, in order")
        ->required()
        ->expected(2, -1);
    cmd->callback([&run, args] {
        run = [args] {
            std::vector<std::string> inputs;
            for (const std::string& input : args->inputs) inputs.push_back(AbsolutePath(input));
            if (Sys::Result r = CheckAppendInputs(inputs); r.failed()) return Fail(r.message());
            const std::string out = AbsolutePath(args->output);
            return RunRoutine("Appending", out, [&](const Mm::RoutineControl& control) {
                return Mm::AppendWaveFiles({inputs.begin(), inputs.end()}, out, control);
            });
        };
    });
}

}  // namespace Cli
