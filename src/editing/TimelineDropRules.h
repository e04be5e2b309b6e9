#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a drop of files on the timeline does, without the widgets.
namespace TimelineDropRules {

// The timeline draws 4 pixels per second from its left edge.
inline constexpr int kPixelsPerSecond = 4;

// The time under a point of the timeline, x in the viewport, scrolled by `scroll` pixels.
uint32_t TimeAt(int x, int scroll);

// A drop whose first file is a project file opens it; any other drop imports its files.
bool OpensProject(const std::vector<std::string>& files);

// "Drop at 0:12.5": the label that follows the mouse while dragging.
std::string DropLabel(uint32_t ms);

}  // namespace TimelineDropRules
