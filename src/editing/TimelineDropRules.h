#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a drop of files on the timeline does, without the widgets.
namespace TimelineDropRules {

// A drop whose first file is a project file opens it; any other drop imports its files.
bool OpensProject(const std::vector<std::string>& files);

// "Drop at 0:12.5": the label that follows the mouse while dragging.
std::string DropLabel(uint32_t ms);

}  // namespace TimelineDropRules
