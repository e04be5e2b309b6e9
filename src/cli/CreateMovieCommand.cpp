#include <condition_variable>
#include <iostream>
#include <memory>
#include <mutex>

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/JobRun.h"
#include "cli/StageDisplay.h"
#include "cli/StopSignal.h"
#include "production/MoviePipeline.h"
#include "project/Document.h"

namespace Cli {
namespace {

struct CreateMovieArgs {
    std::string project;
    std::vector<uint32_t> window;
    bool direct = false;
};

int CreateMovie(const CreateMovieArgs& args) {
    Document document;
    CliPrompt prompt;
    if (!document.Open(AbsolutePath(args.project), prompt)) return kExitFailure;
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    MoviePipeline pipeline;
    pipeline.SetDirect(args.direct);
    StopSignal stop;
    const uint32_t begin = args.window.empty() ? 0 : args.window[0];
    const uint32_t end = args.window.empty() ? 0 : args.window[1];
    const Sys::Result started = pipeline.Start(document, begin, end, [&] {
        std::lock_guard lock(mutex);
        done = true;
        ended.notify_all();
    });
    if (started.failed()) return Fail(started.message());

    StageDisplay display(pipeline);
    std::unique_lock lock(mutex);
    for (int tick = 0; !done; ++tick) {
        ended.wait_for(lock, std::chrono::milliseconds(100), [&] { return done; });
        if (stop.requested()) pipeline.RequestStop();
        if (!done && (tick % 10 == 0 || !display.terminal())) display.Refresh();
    }
    lock.unlock();
    pipeline.Wait();

    const Mt::TaskResult result = pipeline.Result();
    display.Finish(result.ok());
    if (!result.ok()) return Finish(result);
    std::cout << document.paths().movieOf(end) << '\n';
    return kExitOk;
}

}  // namespace

void AddCreateMovieCommand(CLI::App& app, CommandRun& run) {
    auto args = std::make_shared<CreateMovieArgs>();
    auto* cmd =
        app.add_subcommand("create-movie",
                           "Make PROJECT's movie.mp4: export pages, prepare pictures, render the "
                           "frames on every core, mix the soundtrack and run the encoder. Ctrl+C "
                           "stops at the next check (status 130), leaving the frames made so far");
    cmd->add_option("PROJECT", args->project, "Project file (.rwk)")->required();
    cmd->add_option("--window", args->window,
                    "Only the frames from BEGIN_MS to END_MS, as \"Play movie in current "
                    "position\" makes them (no soundtrack)")
        ->expected(2);
    cmd->add_flag("--direct", args->direct,
                  "Stream the frames to the encoder as they are composed, without frame files "
                  "(no JPG loss)");
    cmd->callback([&run, args] { run = [args] { return CreateMovie(*args); }; });
}

}  // namespace Cli
