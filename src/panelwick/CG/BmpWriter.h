#pragma once

#include <filesystem>

#include "panelwick/Sys/Result.h"

namespace CG {

class DIBitmap;

// Writes a bitmap as a BMP file exactly as it is held: the 14-byte file header, then the
// bitmap's own header, colour table and rows.
class BmpWriter {
public:
    static Sys::Result Save(const DIBitmap& bitmap, const std::filesystem::path& path);
};

}  // namespace CG
