#pragma once

#include <string>

// The external encoder program: where it is and how our qualities map onto its settings.
namespace Encoder {

// The text shown when the encoder cannot be found, with the way to get it.
inline constexpr const char* kNotFound =
    "ffmpeg cannot be found\nInstall the ffmpeg package (sudo apt install ffmpeg).";

// Finds the "ffmpeg" program: beside our program, in its "ffmpeg" sub-folder, in the folders
// of PATH in order, then /usr/bin; never in the current folder.
bool Find(std::string& folder);

// The constant rate factor for a quality in percent: 5 gives 51, 50 gives 27, 100 gives 1.
int ConstantRateFactor(int quality);

}  // namespace Encoder
