#pragma once

#include <string>

#include "video/RecordingChoices.h"

// The screen recording settings the main window keeps while the program runs: JPG quality,
// the offset of the grabbed rectangle in the window's client area, the output folder's name.
struct RecordingSettings {
    int quality = RecordingChoices::kInitialQuality;
    int left = 0;
    int top = 0;
    std::string outputFolder;
};
