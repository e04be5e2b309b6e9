#include "cli/TerminalProgress.h"

#include <chrono>
#include <unistd.h>
#include <utility>

namespace Cli {
namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(250);

}  // namespace

TerminalProgress::TerminalProgress(Sampler sampler, std::FILE* out)
    : sampler_(std::move(sampler)), out_(out), terminal_(isatty(fileno(out)) == 1) {
    Draw(true);
    drawer_.Start([this](Mt::Task& task) { return Run(task); });
}

TerminalProgress::TerminalProgress(const Mt::Progress& progress, std::string label, std::FILE* out)
    : TerminalProgress(Percent(progress, std::move(label)), out) {}

TerminalProgress::Sampler TerminalProgress::Percent(const Mt::Progress& progress,
                                                    std::string label) {
    return [&progress, label = std::move(label)] {
        const int percent = int(progress.Get() * 100 + 1e-9);
        return Line{label + "  " + std::to_string(percent) + "%", percent / 10};
    };
}

Mt::TaskResult TerminalProgress::Run(Mt::Task& task) {
    std::unique_lock lock(mutex_);
    while (!task.Cancelled()) {
        wake_.wait_for(lock, kRedrawInterval, [&] { return task.Cancelled(); });
        if (!task.Cancelled()) Draw(false);
    }
    return {};
}

// A terminal gets the line redrawn in place; other outputs a new line per step.
void TerminalProgress::Draw(bool force) {
    const Line line = sampler_();
    if (terminal_) {
        std::fprintf(out_, "\r%s\x1b[K", line.text.c_str());
        lastWidth_ = line.text.size();
    } else if (force || line.step != lastStep_) {
        std::fprintf(out_, "%s\n", line.text.c_str());
    }
    lastStep_ = line.step;
    std::fflush(out_);
}

void TerminalProgress::Stop() {
    {
        // Under the lock, so that the drawer either sees the cancel or is already waiting.
        std::lock_guard lock(mutex_);
        drawer_.Cancel();
    }
    wake_.notify_all();
    (void)drawer_.Wait();
}

void TerminalProgress::Finish() {
    if (finished_) return;
    Stop();
    finished_ = true;
    Draw(false);
    if (terminal_) std::fputs("\n", out_);
    std::fflush(out_);
}

void TerminalProgress::Abandon() {
    if (finished_) return;
    Stop();
    finished_ = true;
    if (terminal_) std::fputs("\r\x1b[K", out_);
    std::fflush(out_);
}

}  // namespace Cli
