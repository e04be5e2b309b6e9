#pragma once

#include <cstdint>
#include <vector>

#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "project/ProjectPaths.h"

// A copy of the document as a preview shows it, taken on the window's thread and read by the
// preview's worker. The revision grows with every change the window makes or notices; equal
// revisions mean equal contents.
struct PreviewSnapshot {
    uint64_t revision = 0;
    std::vector<MovieObject> objects;
    MovieProperties properties;
    ProjectPaths paths;
};
