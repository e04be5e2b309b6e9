#include <memory>

#include "audio/AudioTools.h"
#include "cli/AudioToolInput.h"
#include "cli/Command.h"
#include "cli/RoutineRun.h"
#include "panelwick/Mm/BoostBass.h"
#include "panelwick/Sys/FileSystem.h"

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
            const std::string in = AbsolutePath(args->input);
            std::string out;
            if (Sys::Result r = PrepareToolInput(in, kBoostBassSuffix, true, out); r.failed()) {
                return Fail(r.message());
            }
            Sys::DeleteFile(out);
            return RunRoutine("Boosting bass", out, [&](const Mm::RoutineControl& control) {
                return Mm::BoostBass(in, out, args->frequency, args->gain, control);
            });
        };
    });
}

}  // namespace Cli
