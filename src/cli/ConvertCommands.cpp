#include <iostream>
#include <memory>

#include "cli/Command.h"
#include "panelwick/Sys/FileSystem.h"
#include "video/Encoder.h"
#include "video/EncoderJob.h"
#include "video/MediaConversion.h"

namespace Cli {

bool RunEncoderJob(const std::string& commandLine, const std::string& folder, EncoderJob& job) {
    if (!job.Start(commandLine, folder)) return Fail("Unable to start the encoder job"), false;
    job.Wait();
    if (!job.result().empty()) return Fail(job.result()), false;
    return true;
}

int FailNoOutput(const std::string& what, const std::string& commandLine,
                 const EncoderJob& job) {
    return Fail("The encoder wrote no " + what + "; it ran:\n" + commandLine + "\n" +
                job.outputTail());
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
    EncoderJob job;
    if (!RunEncoderJob(plan.commandLine(), encoder, job)) return kExitFailure;
    if (!Sys::FileExists(plan.output())) return FailNoOutput(plan.output(), plan.commandLine(), job);
    std::cout << plan.output() << '\n';
    return kExitOk;
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
