#pragma once

#include <functional>
#include <string>

#include "panelwick/Mm/RoutineControl.h"
#include "panelwick/Mt/ThreadObject.h"
#include "panelwick/Sys/Result.h"

class QObject;

// Runs one audio routine on its own thread and, when it has finished, posts the completion
// notice (the given message values) to the dialog that started it; the dialog then collects
// the outcome on its own thread.
class ToolWorker {
public:
    using Routine = std::function<Sys::Result(const Mm::RoutineControl&)>;

    // False, starting nothing, while a routine runs.
    bool Start(Routine routine, QObject* receiver, int wParam, int lParam);
    // Waits for the thread and gives the routine's failure text (empty on success).
    std::string Finish();
    double progress() const { return thread_.progress().Get(); }

private:
    Mt::ThreadObject thread_;
    std::string error_;
};
