#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/JobRun.h"
#include "cli/ObjectLine.h"
#include "project/Document.h"
#include "video/MediaImportJob.h"

namespace Cli {
namespace {

struct AddArgs {
    std::string project;
    std::vector<std::string> files;
    double at = -1;
    double duration = 5;
};

uint32_t LatestEnd(const Document& document) {
    uint32_t end = 0;
    for (const MovieObject& o : document.objects) end = std::max(end, o.end);
    return end;
}

int Add(const AddArgs& args) {
    Document document;
    CliPrompt prompt;
    if (!document.Open(AbsolutePath(args.project), prompt)) return kExitFailure;
    std::vector<std::string> files;
    for (const std::string& f : args.files) files.push_back(AbsolutePath(f));
    const uint32_t at = args.at < 0 ? LatestEnd(document) : uint32_t(std::lround(args.at * 1000));
    MediaImportJob job;
    job.Plan(document.folder(), files, at, uint32_t(std::lround(args.duration * 1000)));
    const int status =
        RunJob(ProgressLabel("Adding"), "", [&](Mt::Task& task) { return job.Run(task); });
    if (status != kExitOk) return status;
    // Nothing changes unless every file can be added.
    if (job.AnyRefused() || job.objects().empty()) {
        job.Discard();
        return Fail(job.AnyRefused() ? job.RefusedMessage() : "No files to add");
    }
    const size_t first = document.objects.size();
    job.AddTo(document);
    if (Sys::Result r = document.Save(); r.failed()) {
        job.Discard();
        return Fail(r.message());
    }
    for (size_t row = first; row < document.objects.size(); ++row) {
        std::fputs(ObjectLine(int(row + 1), document.objects[row]).c_str(), stdout);
    }
    return kExitOk;
}

}  // namespace

void AddAddCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<AddArgs>();
    auto* cmd = app.add_subcommand(
        "add",
        "Import pictures, sound and videos from anywhere into the project, one after "
        "another; prints one line per object added");
    cmd->add_option("PROJECT", args->project, "Project file (.rwk)")->required();
    cmd->add_option("FILE", args->files, "Files or folders to import")->required();
    cmd->add_option("--at", args->at, "Insertion time in seconds (default: after the last object)")
        ->check(CLI::NonNegativeNumber);
    cmd->add_option("--duration", args->duration, "Seconds each picture is shown (default 5)")
        ->check(CLI::PositiveNumber);
    cmd->callback([&run, args] { run = [args] { return Add(*args); }; });
}

}  // namespace Cli
