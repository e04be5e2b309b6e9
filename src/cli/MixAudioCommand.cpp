#include <cstdio>
#include <memory>

#include "audio/SoundtrackMixdown.h"
#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/JobRun.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/Document.h"

namespace Cli {

void AddMixAudioCommand(CLI::App& app, CommandRun& run) {
    struct Args {
        std::string project, output;
    };
    auto args = std::make_shared<Args>();
    auto* cmd = app.add_subcommand(
        "mix-audio",
        "Mix the audio objects of a project into one soundtrack (44100 Hz, 16-bit "
        "stereo), as movie creation does");
    cmd->add_option("PROJECT", args->project, "Project file (.rwk)")->required();
    cmd->add_option("OUT.wav", args->output, "Output file")->required();
    cmd->callback([&run, args] {
        run = [args] {
            Document document;
            CliPrompt prompt;
            if (!document.Open(AbsolutePath(args->project), prompt)) return kExitFailure;
            const std::string out = AbsolutePath(args->output);
            if (!HasAudioObjects(document.objects)) {
                Sys::DeleteFile(out);  // as movie creation leaves no soundtrack behind
                std::printf("The project has no audio object; no soundtrack was written\n");
                return kExitOk;
            }
            return RunJob("Mixing audio", out, [&](Mt::Task& task) {
                return MixSoundtrack(document.objects, document.properties, document.folder(), out,
                                     task);
            });
        };
    });
}

}  // namespace Cli
