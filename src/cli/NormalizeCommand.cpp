#include <memory>

#include "audio/NormalizeJob.h"
#include "cli/Command.h"
#include "cli/JobRun.h"

namespace Cli {

void AddNormalizeCommand(CLI::App& app, CommandRun& run) {
    auto input = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand("normalize",
                                   "Level the volume of a WAVE file; writes IN_norm.wav beside it");
    cmd->add_option("IN.wav", *input, "Mono or stereo 16-bit WAVE file")->required();
    cmd->callback([&run, input] {
        run = [input] {
            NormalizeJob job;
            if (ToolMessage m = job.Plan(AbsolutePath(*input)); m.failed()) return Fail(m.text);
            return RunJob("Normalizing", job.output(),
                          [&](Mt::Task& task) { return job.Run(task); });
        };
    });
}

}  // namespace Cli
