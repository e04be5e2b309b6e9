#include <memory>

#include "cli/Command.h"
#include "cli/RoutineRun.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Sys/FileSystem.h"

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
            const std::string first = AbsolutePath(args->first);
            const std::string second = AbsolutePath(args->second);
            if (!Sys::FileExists(first) || !Sys::FileExists(second)) {
                return Fail("Please provide a valid input file");
            }
            if (args->output.empty()) return Fail("Please provide a valid output file");
            const std::string out = AbsolutePath(args->output);
            const int other = 100 - args->balance;
            return RunRoutine("Mixing", out, [&](const Mm::RoutineControl& control) {
                if (args->autoLevel) {
                    return Mm::Assistant::MixVoiceMusicAutoLevel(first, second, out, control);
                }
                if (args->loop)
                    return Mm::Assistant::MixVoiceMusic(first, second, other, out, control);
                return Mm::Assistant::MixWaveFile(first, second, other, out, control);
            });
        };
    });
}

}  // namespace Cli
