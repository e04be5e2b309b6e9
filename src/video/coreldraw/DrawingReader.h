#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace CorelDraw {

// Reads a drawing document (.cdr) held in memory and turns each of its pages into a
// stand-alone SVG text. False when the bytes are not a drawing the reader understands or it
// yields no page.
bool ReadDrawing(std::string_view bytes, std::vector<std::string>& pages);

}  // namespace CorelDraw
