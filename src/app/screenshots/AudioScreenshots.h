#pragma once

#include <QString>

class Reelwork;

// Shows each audio dialog over the window for a moment, as a user would see it while working
// on the open project, and saves a picture of it into the folder.
void SaveAudioDialogShots(Reelwork& window, const QString& folder);
