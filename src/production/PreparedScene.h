#pragma once

#include <vector>

#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "project/ProjectPaths.h"
#include "render/FrameScene.h"
#include "render/PreparedObject.h"

// A project made ready for drawing: its objects in drawing order with their prepared states
// (same length and order), the movie properties and the project's paths. It owns copies, so
// the document may change while frames of it are composed.
struct PreparedScene {
    std::vector<MovieObject> objects;
    std::vector<PreparedObject> prepared;
    MovieProperties properties;
    ProjectPaths paths;

    // The view the frame composer draws from; valid while the scene lives unchanged.
    FrameScene frameScene() { return FrameScene{objects, prepared, properties, paths.folder()}; }
};
