#include <memory>

#include "audio/SmoothEndsJob.h"
#include "cli/Command.h"
#include "cli/JobRun.h"

namespace Cli {

void AddSmoothEndsCommand(CLI::App& app, CommandRun& run) {
    auto input = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand(
        "smooth-ends", "Fade a WAVE file in and out over 0.2 s; writes IN_smooth.wav beside it");
    cmd->add_option("IN.wav", *input, "WAVE file")->required();
    cmd->callback([&run, input] {
        run = [input] {
            SmoothEndsJob job;
            if (ToolMessage m = job.Plan(AbsolutePath(*input)); m.failed()) return Fail(m.text);
            return RunJob("", job.output(), [&](Mt::Task& task) { return job.Run(task); });
        };
    });
}

}  // namespace Cli
