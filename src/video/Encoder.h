#pragma once

#include <string>

// The external encoder program: where it is and how our qualities map onto its settings.
namespace Encoder {

// The text shown when the encoder cannot be found.
inline constexpr const char* kNotFound = "ffmpeg.exe cannot be found";

// Finds the "ffmpeg" program: beside our program, in its "ffmpeg" sub-folder,
// $ProgramFiles/ffmpeg, the current folder and its "ffmpeg" sub-folder, /usr/bin, then PATH.
bool Find(std::string& folder);

// The constant rate factor for a quality in percent: 5 gives 51, 50 gives 27, 100 gives 1.
int ConstantRateFactor(int quality);

}  // namespace Encoder
