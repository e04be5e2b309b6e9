#pragma once

#include <string>

#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "render/PreparedObject.h"

// Prepares one object's picture outside movie creation, as the object editor shows it: a
// vector-drawing page through a drawing-server session of its own (started and quit here),
// every other type as the movie prepares it, for a width x height movie.
Sys::Result PrepareSingleObject(const MovieObject& object, PreparedObject& prepared,
                                const std::string& projectFolder, int width, int height);
