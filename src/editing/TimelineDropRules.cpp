#include "editing/TimelineDropRules.h"

#include <algorithm>
#include <cstdio>

#include "panelwick/Sys/FileSystem.h"

namespace TimelineDropRules {

bool OpensProject(const std::vector<std::string>& files) {
    return !files.empty() && Sys::LowerExtension(files.front(), 31) == "rwk";
}

std::string DropLabel(uint32_t ms) {
    char text[48];
    std::snprintf(text, sizeof text, "Drop at %u:%04.1f", ms / 60000, (ms % 60000) / 1000.0);
    return text;
}

}  // namespace TimelineDropRules
