#pragma once

#include <QString>

class Reelwork;

// Pictures of each menu of the menu bar opened over the window, of the list of keys, and of
// the question that offers unsaved changes back after a lost run, saved into a folder.
void SaveMenuShots(Reelwork& window, const QString& folder);
void SaveRecoveryShot(Reelwork& window, const QString& folder);
