#include "editing/TimelineDropRules.h"

#include <algorithm>
#include <cstdio>

#include "panelwick/Sys/FileSystem.h"

namespace TimelineDropRules {

uint32_t TimeAt(int x, int scroll) {
    const int64_t pixels = std::max<int64_t>(0, int64_t(x) + scroll);
    return uint32_t(pixels * 1000 / kPixelsPerSecond);
}

bool OpensProject(const std::vector<std::string>& files) {
    return !files.empty() && Sys::LowerExtension(files.front(), 31) == "rwk";
}

std::string DropLabel(uint32_t ms) {
    char text[48];
    std::snprintf(text, sizeof text, "Drop at %u:%04.1f", ms / 60000, (ms % 60000) / 1000.0);
    return text;
}

}  // namespace TimelineDropRules
