#pragma once

#include <string>

#include "audio/ToolMessage.h"
#include "panelwick/Mm/RoutineControl.h"
#include "panelwick/Sys/Result.h"

// The audio tool dialogs' checks and routine calls, each refusal or failure with the caption
// its dialog shows it under.

// Normalize Volume: a given, existing input; the output is "<input>_norm.wav".
ToolMessage CheckNormalizeInput(const std::string& input, std::string& output);
// Deletes an existing output, then levels the input into it.
Sys::Result RunNormalize(const std::string& input, const std::string& output,
                         const Mm::RoutineControl& control = {});

// Mix Audio Files: both inputs exist and an output is named.
ToolMessage CheckMixFiles(const std::string& input1, const std::string& input2,
                          const std::string& output);
// "Auto Level" mixes Input 1 as the voice over repeating music from Input 2 (the balance
// unused); otherwise "Loop" mixes voice and repeating music at voice percent 100 - balance;
// otherwise the two files mix at 100 - balance.
Sys::Result RunMix(const std::string& input1, const std::string& input2, const std::string& output,
                   int balance, bool loop, bool autoLevel, const Mm::RoutineControl& control = {});

// Boost Bass: "<input>_bass.wav", an older one deleted first; caption "Boost bass".
ToolMessage RunBoostBass(const std::string& input, int frequency, int gainDb);
// Smooth Audio Ends: "<input>_smooth.wav", an older one deleted first; caption "Reelwork".
ToolMessage RunSmoothEnds(const std::string& input);
// Cut: the blocks between start and end (minutes x 60 + seconds) into "<input>_cut.wav";
// caption "AudioEdit".
ToolMessage RunCut(const std::string& input, double startMinutes, double startSeconds,
                   double endMinutes, double endSeconds);
