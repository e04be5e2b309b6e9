#pragma once

#include <string>

#include "project/ProjectPaths.h"

// The encoder command line that joins the numbered frames of the project's tmp folder (named
// relative to the encoder's working folder, tmp) and, when withSoundtrack, the soundtrack into
// the output file, reporting its progress on its standard output.
std::string MovieCommandLine(const std::string& encoderFolder, const ProjectPaths& paths,
                             bool withSoundtrack, int fps, int width, int height, int movieQuality,
                             const std::string& output);

// The encoder command line that encodes frames streamed to its standard input as full-range
// 4:2:0 planes (see FramePlanes) and, when withSoundtrack, the soundtrack into the output
// movie, which ends with the shorter of the two, at the movie quality, reporting its progress on
// its standard output.
std::string StreamCommandLine(const std::string& encoderFolder, const ProjectPaths& paths,
                              bool withSoundtrack, int fps, int width, int height,
                              int movieQuality, const std::string& output);
