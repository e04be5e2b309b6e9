#pragma once

#include <string>

#include "panelwick/Sys/Result.h"

namespace CG {

class ImageRGBA;

// Loads a picture file into RGBA, the decoder chosen by the lower-cased extension: "gif" by our
// GIF decoder, "jpg", "jpeg", "png" and "bmp" by what the file holds. On failure the picture is
// left empty and the text says why. Keeps no state: any number of threads may load at once.
Sys::Result LoadPicture(ImageRGBA& image, const std::string& path);

// The characters after the last dot of the file's name, in lower case; empty when the name has
// no dot, nothing after it or more than 15 characters ("Unrecognized file" to both loaders).
// Dots in folder names ("./picture", "my.photos/picture") are not part of it.
std::string PictureExtension(const std::string& path);

}  // namespace CG
