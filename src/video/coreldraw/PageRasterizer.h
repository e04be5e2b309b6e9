#pragma once

#include <cstdint>
#include <string>

#include "panelwick/Sys/Result.h"

namespace CorelDraw {

struct RasterOptions {
    double dpiX = 150;
    double dpiY = 150;
    // A size in pixels; 0 takes it from the page size at the resolution.
    uint32_t width = 0;
    uint32_t height = 0;
    // Keeps the page's transparent parts transparent; otherwise they become white.
    bool transparent = true;
    uint64_t maxPixels = uint64_t(1) << 28;
};

// Draws one page given as SVG text and writes it as an 8-bit RGBA PNG file.
Sys::Result RasterizePage(const std::string& svg, const RasterOptions& options,
                          const std::string& pngPath);

}  // namespace CorelDraw
