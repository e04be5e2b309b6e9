#pragma once

#include <string>
#include <vector>

#include "project/MovieObjectType.h"

// The names the file chooser offers for an object type from the project folder: Image the
// files "*.jpg", "*.png", "*.gif" and "*.bmp"; vector-drawing page "*.cdr"; Audio "*.wav";
// Video the sub-folders holding a file video.bin. Extensions match whatever their case.
// Sorted case-insensitively; empty when the folder cannot be read.
std::vector<std::string> ListProjectFiles(MovieObjectType type, const std::string& projectFolder);

// The index of `name` in the list (exact comparison), -1 when it is not there.
int IndexOfName(const std::vector<std::string>& names, const std::string& name);
