#pragma once

#include "panelwick/Mt/Task.h"

namespace Cli {

// While it lives, Ctrl+C (SIGINT) and SIGTERM do not end the program but cancel the given task
// (and set a flag that a command without one polls); the command then exits with status 130.
// A second Ctrl+C ends the program at once. One at a time; the previous handlers come back on
// destruction.
class StopSignal {
public:
    explicit StopSignal(Mt::Task* task = nullptr);
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;
    ~StopSignal();

    bool requested() const;
};

}  // namespace Cli
