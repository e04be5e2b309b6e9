#include "project/ProjectPaths.h"

#include <cstdio>

std::string ProjectPaths::frame(uint32_t number) const {
    char name[32];
    std::snprintf(name, sizeof name, kFramePattern, int(number));
    return tmp() + "/" + name;
}
