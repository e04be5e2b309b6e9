#include <charconv>
#include <memory>

#include "audio/CutJob.h"
#include "cli/Command.h"
#include "cli/JobRun.h"

namespace Cli {
namespace {

// Seconds as "75.5" or as minutes and seconds "1:15.5"; false for anything else.
bool ParseTime(const std::string& text, double& seconds) {
    const size_t colon = text.find(':');
    auto number = [](std::string_view part, double& value) {
        if (part.empty()) return false;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        return error == std::errc() && end == part.data() + part.size() && value >= 0;
    };
    if (colon == std::string::npos) return number(text, seconds);
    double minutes = 0, rest = 0;
    if (!number(std::string_view(text).substr(0, colon), minutes) ||
        !number(std::string_view(text).substr(colon + 1), rest)) {
        return false;
    }
    seconds = minutes * 60 + rest;
    return true;
}

}  // namespace

void AddCutCommand(CLI::App& app, CommandRun& run) {
    struct Args {
        std::string input, start, end;
    };
    auto args = std::make_shared<Args>();
    auto* cmd = app.add_subcommand(
        "cut",
        "Copy the part of a WAVE file between two times (seconds, or M:SS); writes "
        "IN_cut.wav beside it");
    cmd->add_option("IN.wav", args->input, "WAVE file")->required();
    cmd->add_option("T1", args->start, "Start time")->required();
    cmd->add_option("T2", args->end, "End time")->required();
    cmd->callback([&run, args] {
        run = [args] {
            double t1 = 0, t2 = 0;
            if (!ParseTime(args->start, t1) || !ParseTime(args->end, t2)) {
                return Fail("The times must be seconds (75.5) or minutes and seconds (1:15.5)");
            }
            CutJob job;
            if (ToolMessage m = job.Plan(AbsolutePath(args->input), t1, t2); m.failed()) {
                return Fail(m.text);
            }
            return RunJob("", job.output(), [&](Mt::Task& task) { return job.Run(task); });
        };
    });
}

}  // namespace Cli
