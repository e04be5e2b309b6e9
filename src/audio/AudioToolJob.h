#pragma once

#include <string>

#include "audio/ToolMessage.h"
#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "panelwick/Sys/Result.h"

// One use of an audio tool, as both front ends run it: the tool's Plan checks the inputs and
// names the output (a refusal comes with the caption its dialog shows it under), then Run
// makes the output, on whichever thread the front end chooses.
class AudioToolJob {
public:
    virtual ~AudioToolJob() = default;

    const std::string& output() const { return output_; }
    // Stopped when the task was cancelled (the routine has deleted its output); failed with the
    // routine's message otherwise.
    Mt::TaskResult Run(Mt::Task& task = Mt::Task::Unwatched()) const {
        const Sys::Result result = Work(task);
        if (task.Cancelled()) return Mt::TaskResult::Stopped();
        return result;
    }

protected:
    virtual Sys::Result Work(Mt::Task& task) const = 0;
    // The checks of a one-file tool: the input is named ("Provide an audio file") and exists
    // ("Please provide a valid file"), and the output takes the suffix beside it; with
    // sixteenBits the input must hold 16-bit samples, which the routines that compute on
    // samples need. Every refusal comes with the caption.
    ToolMessage PlanBeside(const std::string& input, const char* suffix, const char* caption,
                           bool sixteenBits);

    std::string input_;
    std::string output_;
};
