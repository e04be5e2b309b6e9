#pragma once

#include <string>
#include <vector>

#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "render/PreparedObject.h"

// What a frame is made of: the objects in drawing order (the first lies at the back), their
// prepared states (same length and order), the movie properties and the project folder (no
// trailing '/'). All of it is only read while frames render, by many workers at once.
struct FrameScene {
    const std::vector<MovieObject>& objects;
    const std::vector<PreparedObject>& prepared;
    const MovieProperties& properties;
    std::string projectFolder;
};
