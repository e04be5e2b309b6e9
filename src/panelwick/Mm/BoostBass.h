#pragma once

#include <filesystem>

#include "panelwick/Mt/Task.h"
#include "panelwick/Sys/Result.h"

namespace Mm {

// Passes a mono or stereo 16-bit file through a normalised low shelf at `frequency` Hz: the
// frequencies below it keep their level, those above are cut by gainDb, so the bass stands
// out without clipping. Samples are clamped to -32767..32767 and truncated.
Sys::Result BoostBass(const std::filesystem::path& in, const std::filesystem::path& out,
                      double frequency, double gainDb, Mt::Task& task = Mt::Task::Unwatched());

}  // namespace Mm
