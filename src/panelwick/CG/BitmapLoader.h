#pragma once

#include <string>

#include "panelwick/Sys/Result.h"

namespace CG {

class DIBitmap;

// Loads a picture file into a bitmap, the decoder chosen by the lower-cased extension: "bmp" by
// our BMP parser, "gif" by our GIF decoder (an 8-bit top-down bitmap with the colour table),
// "jpg", "jpeg" and "png" by what the file holds (24-bit top-down, or 32-bit with alpha when a
// pixel is not opaque). On failure the bitmap is left empty and the text says why.
Sys::Result LoadBitmap(DIBitmap& bitmap, const std::string& path);

// Parses a BMP resource compiled into the program (Sys::FindResource).
Sys::Result LoadBmp(DIBitmap& bitmap, int resourceId);

}  // namespace CG
