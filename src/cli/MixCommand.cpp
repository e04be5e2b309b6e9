#include <memory>

#include "audio/MixJob.h"
#include "cli/Command.h"
#include "cli/JobRun.h"

namespace Cli {

void AddMixCommand(CLI::App& app, CommandRun& run) {
    struct Args {
        std::string first, second, output;
        int balance = 50;
        bool loop = false, autoLevel = false;
    };
    auto args = std::make_shared<Args>();
    auto* cmd =
        app.add_subcommand("mix", "Mix two WAVE files (IN1 the voice, IN2 the music) into OUT.wav");
    cmd->add_option("IN1.wav", args->first, "First input (voice)")->required();
    cmd->add_option("IN2.wav", args->second, "Second input (music)")->required();
    cmd->add_option("OUT.wav", args->output, "Output file")->required();
    cmd->add_option("--balance", args->balance,
                    "Balance slider position, 1 (voice) to 100 (music); default 50")
        ->check(CLI::Range(1, 100));
    cmd->add_flag("--loop", args->loop, "Repeat the music for as long as the voice lasts");
    cmd->add_flag("--auto-level", args->autoLevel,
                  "Lower the music while the voice is loud (the music repeats; the balance is "
                  "not used; wins over --loop)");
    cmd->callback([&run, args] {
        run = [args] {
            MixJob job;
            const std::string out = args->output.empty() ? "" : AbsolutePath(args->output);
            if (ToolMessage m = job.Plan(AbsolutePath(args->first), AbsolutePath(args->second), out,
                                         args->balance, args->loop, args->autoLevel);
                m.failed()) {
                return Fail(m.text);
            }
            return RunJob("Mixing", out, [&](Mt::Task& task) { return job.Run(task); });
        };
    });
}

}  // namespace Cli
