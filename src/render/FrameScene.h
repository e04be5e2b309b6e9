#pragma once

#include <string>
#include <vector>

#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "render/PreparedObject.h"

// What a frame is made of: the objects in drawing order (the first lies at the back), their
// prepared states (same length and order), the movie properties and the project folder (no
// trailing '/'). The objects and properties are only read while frames render.
struct FrameScene {
    const std::vector<MovieObject>& objects;
    std::vector<PreparedObject>& prepared;
    const MovieProperties& properties;
    std::string projectFolder;
};
