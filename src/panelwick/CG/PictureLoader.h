#pragma once

#include <string>

#include "panelwick/Sys/Result.h"

namespace CG {

class ImageRGBA;

// Loads a picture file into RGBA, the decoder chosen by the lower-cased extension: "gif" by our
// GIF decoder, "jpg", "jpeg", "png" and "bmp" by what the file holds. On failure the picture is
// left empty and the text says why. Keeps no state: any number of threads may load at once.
Sys::Result LoadPicture(ImageRGBA& image, const std::string& path);

}  // namespace CG
