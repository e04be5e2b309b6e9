#pragma once

#include <filesystem>

#include "panelwick/Sys/Result.h"

namespace CG {

class ImageRGBA;

// Writes a picture as an 8-bit RGBA PNG through libpng.
class PngWriter {
public:
    static Sys::Result Save(const ImageRGBA& image, const std::filesystem::path& path);
};

}  // namespace CG
