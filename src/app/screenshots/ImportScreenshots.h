#pragma once

#include <QString>

class Reelwork;

// Shows the drop line of files dragged over the timeline, the missing-files dialog (for objects
// pointed at files that are not there), the file chooser with its thumbnails and the progress of an
// import over the window, and saves a picture of each into the folder.
void SaveImportShots(Reelwork& window, const QString& folder);
