#pragma once

#include <functional>
#include <string>

#include "panelwick/Mm/RoutineControl.h"
#include "panelwick/Sys/Result.h"

namespace Cli {

// Runs an audio routine for a command: with a progress line when `label` is not empty, and
// with Ctrl+C turned into a stop request. On success prints the output path; on a failure
// prints the message (status 1); after Ctrl+C deletes the output and gives status 130.
int RunRoutine(const std::string& label, const std::string& output,
               const std::function<Sys::Result(const Mm::RoutineControl&)>& routine);

}  // namespace Cli
