#include <iostream>
#include <memory>

#include "cli/Command.h"
#include "panelwick/Sys/FileSystem.h"
#include "video/Encoder.h"
#include "video/EncoderJob.h"
#include "video/MediaConversion.h"

namespace Cli {

int RunEncoderJob(const std::string& commandLine, const std::string& folder,
                  const std::string& output) {
    EncoderJob job;
    if (!job.Start(commandLine, folder)) return Fail("Unable to start the encoder job");
    job.Wait();
    if (!job.result().empty()) return Fail(job.result());
    if (!Sys::FileExists(output)) {
        return Fail("The encoder wrote no " + output + "; it ran:\n" + commandLine + "\n" +
                    job.outputTail());
    }
    std::cout << output << '\n';
    return kExitOk;
}

namespace {

int Convert(MediaConversion::Kind kind, const std::string& path) {
    std::string encoder;
    if (!Encoder::Find(encoder)) return Fail(Encoder::kNotFound);
    MediaConversion plan;
    if (Sys::Result r = plan.Plan(kind, AbsolutePath(path), encoder); r.failed()) {
        return Fail(r.message());
    }
    if (!Sys::FileExists(plan.input())) return Fail("Missing file: " + plan.input());
    Sys::DeleteFile(plan.output());
    return RunEncoderJob(plan.commandLine(), encoder, plan.output());
}

void AddConversion(CLI::App& app, CommandRun& run, const char* name, const char* help,
                   MediaConversion::Kind kind) {
    auto path = std::make_shared<std::string>();
    auto* cmd = app.add_subcommand(name, help);
    cmd->add_option("FILE", *path, "Input file")->required();
    cmd->callback([&run, path, kind] { run = [path, kind] { return Convert(kind, *path); }; });
}

}  // namespace

void AddConversionCommands(CLI::App& app, CommandRun& run) {
    AddConversion(app, run, "mp3-to-wave",
                  "Convert F.mp3 to F.wav beside it with the encoder; prints the output path",
                  MediaConversion::Kind::Mp3ToWave);
    AddConversion(app, run, "mp4-to-wave",
                  "Write the sound of F.mp4 to F.wav beside it; prints the output path",
                  MediaConversion::Kind::Mp4ToWave);
    AddConversion(app, run, "wave-to-mp3",
                  "Convert F.wav to F.mp3 beside it; prints the output path",
                  MediaConversion::Kind::WaveToMp3);
}

}  // namespace Cli
