#pragma once

#include <string>

// The encoder command line that joins the frames P/tmp/%08d.jpg (named relative to the
// encoder's working folder P/tmp) and, when withSoundtrack, P/tmp/movie.wav into P/movie.mp4.
std::string MovieCommandLine(const std::string& encoderFolder, const std::string& projectFolder,
                             bool withSoundtrack, int fps, int width, int height,
                             int movieQuality);
