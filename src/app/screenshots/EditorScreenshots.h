#pragma once

#include <QString>

class Reelwork;

// Shows the object editor for each visual type (its Begin and End tabs) and the movie
// properties dialog over the window, and saves a picture of each into the folder.
void SaveEditorShots(Reelwork& window, const QString& folder);
