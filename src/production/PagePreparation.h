#pragma once

#include <string>

#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "render/PreparedObject.h"

class PageExportSession;

// Prepares a vector-drawing page object for drawing: the session's server exports its page to
// projectFolder/tmp/cdrtmp.png (the tmp folder is made when missing), the object is prepared
// from that picture for a width x height movie, and the file is deleted again.
Sys::Result PreparePageObject(PageExportSession& session, const MovieObject& object,
                              PreparedObject& prepared, const std::string& projectFolder,
                              int width, int height);
