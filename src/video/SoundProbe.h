#pragma once

#include <string>
#include <string_view>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"

// Asks the encoder what a media file holds and tells whether it has a sound stream.
namespace SoundProbe {

// Done with `hasSound` set when the encoder lists the file's streams (it ends with an error
// status as no output is named); failed when it cannot be started; stopped when cancelled.
Mt::TaskResult Run(const std::string& encoderFolder, const std::string& path, Mt::Task& task,
                   bool& hasSound);

// True for a stream line of the encoder's listing that describes sound
// ("  Stream #0:1(und): Audio: aac ...").
bool IsSoundStreamLine(std::string_view line);

}  // namespace SoundProbe
