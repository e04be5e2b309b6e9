#pragma once

// The program's name and version, shown by the about box and --version.
inline constexpr const char* kProgramName = "Reelwork";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
