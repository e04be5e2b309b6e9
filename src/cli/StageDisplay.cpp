#include "cli/StageDisplay.h"

#include <algorithm>
#include <unistd.h>

#include "production/PipelineStages.h"

namespace Cli {
namespace {

constexpr int kBarWidth = 24;
constexpr int kEncoderStage = 5;

std::string Bar(double fraction) {
    const int filled = std::clamp(int(fraction * kBarWidth), 0, kBarWidth);
    char percent[16];
    std::snprintf(percent, sizeof percent, "%3d%%", std::clamp(int(fraction * 100), 0, 100));
    return "[" + std::string(size_t(filled), '#') + std::string(size_t(kBarWidth - filled), '.') +
           "] " + percent;
}

}  // namespace

StageDisplay::StageDisplay(IPipelineState& state, std::FILE* out)
    : state_(state), out_(out), terminal_(isatty(fileno(out)) != 0) {
    timeLeft_.Reset(TimeLeftText::Clock::now());
}

void StageDisplay::Refresh() {
    const int stage = state_.CurrentStage();
    const bool restart = state_.TakeStageRestart();
    const double fraction = state_.ProgressFraction();
    if (stage == 0) return;
    lastStage_ = stage;
    if (terminal_) {
        DrawTerminal(stage, fraction,
                     timeLeft_.Next(restart, fraction * 100, TimeLeftText::Clock::now()),
                     state_.EncoderFraction());
    } else {
        PrintPlain(stage, fraction);
    }
}

void StageDisplay::Finish(bool completed) {
    if (terminal_ && drawn_) {
        DrawTerminal(completed ? kPipelineStageCount + 1 : lastStage_, 1.0, "", -1.0);
    }
    std::fflush(out_);
}

void StageDisplay::DrawTerminal(int stage, double fraction, const std::string& status,
                                double encoder) {
    if (drawn_) std::fprintf(out_, "\033[%dA", kPipelineStageCount);  // back to the first line
    for (int s = 1; s <= kPipelineStageCount; ++s) {
        std::string text;
        if (s < stage) {
            text = "\033[32mcompleted\033[0m";
        } else if (s == stage) {
            text = (status.empty() ? "working. . ." : status) + "  " + Bar(fraction);
        } else if (s == kEncoderStage && encoder >= 0) {
            text = "encoding  " + Bar(encoder);  // alongside the frames streamed to it
        } else {
            text = "\033[31mpending\033[0m";
        }
        std::fprintf(out_, "\033[2K%-30s %s\n", StageName(s), text.c_str());
    }
    drawn_ = true;
    std::fflush(out_);
}

void StageDisplay::PrintPlain(int stage, double fraction) {
    const int tenth = std::clamp(int(fraction * 10), 0, 10);
    // Stages that passed between two looks are named too.
    while (printedStage_ < stage) {
        std::fprintf(out_, "%s\n", StageName(++printedStage_));
        printedTenth_ = 0;
    }
    if (tenth > printedTenth_) {
        std::fprintf(out_, "  %d%%\n", tenth * 10);
        printedTenth_ = tenth;
    }
    std::fflush(out_);
}

}  // namespace Cli
