#pragma once

#include <atomic>

#include "panelwick/Mt/Progress.h"

namespace Mm {

// What a caller may give a long audio routine: a progress value to update and a stop request
// to honour between blocks. Both are optional.
struct RoutineControl {
    Mt::Progress* progress = nullptr;
    const std::atomic<bool>* stop = nullptr;

    void Report(double fraction) const {
        if (progress != nullptr) progress->Set(fraction);
    }
    bool Stopped() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }
};

// The result of a routine that ended on a stop request; it has deleted its output.
inline constexpr const char* kStoppedMessage = "Stopped";

}  // namespace Mm
