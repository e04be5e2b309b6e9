#include <memory>
#include <vector>

#include "audio/AppendJob.h"
#include "cli/Command.h"
#include "cli/JobRun.h"

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
            AppendJob job;
            if (ToolMessage m = job.Plan(inputs, AbsolutePath(args->output)); m.failed()) {
                return Fail(m.text);
            }
            return RunJob("Appending", job.output(), [&](Mt::Task& task) { return job.Run(task); });
        };
    });
}

}  // namespace Cli
