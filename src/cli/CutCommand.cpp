#include <charconv>
#include <memory>

#include "audio/AudioTools.h"
#include "cli/AudioToolInput.h"
#include "cli/Command.h"
#include "cli/RoutineRun.h"
#include "panelwick/Mm/Assistant.h"

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
            const std::string in = AbsolutePath(args->input);
            std::string out;
            if (Sys::Result r = PrepareToolInput(in, kCutSuffix, false, out); r.failed()) {
                return Fail(r.message());
            }
            return RunRoutine("", out, [&](const Mm::RoutineControl& control) {
                return Mm::Assistant::CopyWaveFile(in, out, t1, t2, control);
            });
        };
    });
}

}  // namespace Cli
