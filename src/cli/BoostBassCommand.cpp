#include <memory>

#include "audio/BoostBassJob.h"
#include "cli/Command.h"
#include "cli/JobRun.h"

namespace Cli {

void AddBoostBassCommand(CLI::App& app, CommandRun& run) {
    struct Args {
        std::string input;
        double frequency = 0, gain = 0;
    };
    auto args = std::make_shared<Args>();
    auto* cmd = app.add_subcommand(
        "boost-bass",
        "Make the bass stand out: the frequencies above FREQ are lowered by GAIN "
        "dB; writes IN_bass.wav beside the input");
    cmd->add_option("IN.wav", args->input, "Mono or stereo 16-bit WAVE file")->required();
    cmd->add_option("FREQ", args->frequency, "Cut frequency in Hz, 30 to 150")
        ->required()
        ->check(CLI::Range(30.0, 150.0));
    cmd->add_option("GAIN", args->gain, "Gain in dB, 1 to 20")
        ->required()
        ->check(CLI::Range(1.0, 20.0));
    cmd->callback([&run, args] {
        run = [args] {
            BoostBassJob job;
            if (ToolMessage m = job.Plan(AbsolutePath(args->input), args->frequency, args->gain);
                m.failed()) {
                return Fail(m.text);
            }
            return RunJob("Boosting bass", job.output(),
                          [&](Mt::Task& task) { return job.Run(task); });
        };
    });
}

}  // namespace Cli
