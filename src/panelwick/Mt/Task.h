#pragma once

#include <atomic>

#include "panelwick/Mt/Progress.h"

namespace Mt {

// What a long job shares with whoever started it: a cancel request, which the job checks
// between its steps, and the part of the work done, 0..1. Both are lock-free atomics, so a
// signal handler may cancel and a display thread may read the progress at any time.
class Task {
public:
    void Cancel() { cancelled_.store(true); }
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

    void SetProgress(double fraction) { progress_.Set(fraction); }
    double progress() const { return progress_.Get(); }
    const Progress& progressValue() const { return progress_; }

    // A new run: not cancelled, nothing done.
    void Reset() {
        cancelled_.store(false);
        progress_.Reset();
    }

    // A task nobody cancels or watches, for callers that need neither (one per thread).
    static Task& Unwatched();

private:
    std::atomic<bool> cancelled_{false};
    Progress progress_;
};

// The failure text of a routine that ended because its task was cancelled.
inline constexpr const char* kStoppedMessage = "Stopped";

}  // namespace Mt
