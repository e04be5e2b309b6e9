#pragma once

#include <string>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"

// Exports the vector-drawing page of a page object (its document projectFolder/fileName, its
// page number) through the drawing server and loads it into picture: makes sure the
// project's tmp folder exists, starts the server, exports the page to the project's page export
// file, loads and deletes that file, and tells the server to quit on every path. Runs on the
// caller's thread, which it initialises for automation for the duration of the call.
//
// Failures: "Unable to create \tmp folder", "Unable to open \tmp folder",
// "Missing file: " + document path, "Invalid page: " + document path, the text of an
// automation exception, or the picture loader's text.
Sys::Result ExportPage(const std::string& projectFolder, const MovieObject& object,
                       CG::ImageRGBA& picture);
