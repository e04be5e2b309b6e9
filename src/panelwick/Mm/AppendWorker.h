#pragma once

#include <filesystem>
#include <vector>

#include "panelwick/Mt/Task.h"
#include "panelwick/Sys/Result.h"

namespace Mm {

// Writes the sample data of the inputs one after another into a new file with the format of
// the first input (the caller has checked that all are alike). Progress is reported before
// each file as (files done) x 100 / count percent; a stop request is honoured between files
// and deletes the output.
Sys::Result AppendWaveFiles(const std::vector<std::filesystem::path>& inputs,
                            const std::filesystem::path& output,
                            Mt::Task& task = Mt::Task::Unwatched());

}  // namespace Mm
