#pragma once

#include <functional>
#include <string>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"

namespace Cli {

// Runs a core job for a command on this thread: Ctrl+C cancels its task, and with a label a
// progress line shows how far it has got. On success prints `output` (when given) and gives
// status 0; on a failure prints the message and what the encoder said last (status 1); after
// a stop deletes `output` and gives status 130.
int RunJob(const std::string& label, const std::string& output,
           const std::function<Mt::TaskResult(Mt::Task&)>& job);

// The label itself on a terminal, else none: commands whose standard output is their result
// show progress only to a person.
std::string ProgressLabel(const std::string& label);

// The exit status for a job's result, its failure printed on standard error.
int Finish(const Mt::TaskResult& result);

}  // namespace Cli
