#pragma once

#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>

#include "panelwick/Mt/Progress.h"
#include "panelwick/Mt/Worker.h"

namespace Cli {

// Shows how far a long command has got. On a terminal one line is redrawn a few times a
// second; when standard output is not a terminal a plain line is printed each time the
// sampled step changes (for example every tenth of the work, or at each new stage).
// The sampler runs on the drawing thread, so it must only read shared values that are safe to
// read there (atomics such as Mt::Progress).
class TerminalProgress {
public:
    struct Line {
        std::string text;
        int step = 0;  // a plain line is printed when this changes
    };
    using Sampler = std::function<Line()>;

    explicit TerminalProgress(Sampler sampler, std::FILE* out = stdout);
    // "label  42%", a plain line at every tenth.
    TerminalProgress(const Mt::Progress& progress, std::string label, std::FILE* out = stdout);
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    ~TerminalProgress() { Finish(); }

    // Stops redrawing, shows the last state and ends the line. Called by the destructor.
    void Finish();
    // Stops redrawing and clears the terminal line, for a command that ends without result.
    void Abandon();

    static Sampler Percent(const Mt::Progress& progress, std::string label);

private:
    Mt::TaskResult Run(Mt::Task& task);
    void Draw(bool force);
    void Stop();

    Sampler sampler_;
    std::FILE* out_;
    bool terminal_;
    bool finished_ = false;
    int lastStep_ = -1;
    size_t lastWidth_ = 0;
    std::mutex mutex_;
    std::condition_variable wake_;
    Mt::Worker drawer_;
};

}  // namespace Cli
