#pragma once

#include "editing/AudioToolSettings.h"

class QWidget;

// The audio tools that run on the window thread, from their main-window commands.

// Picks a WAVE file, asks for the cut frequency and gain (starting from the last ones used)
// and writes "<name>_bass.wav" beside it.
void BoostBassCommand(QWidget* parent, AudioToolSettings& settings);
// Picks a WAVE file and writes "<name>_smooth.wav" beside it with its ends faded.
void SmoothAudioEndsCommand(QWidget* parent);
