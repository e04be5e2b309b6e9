#pragma once

#include <string>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/Result.h"

// Loads the PNG a page export wrote into an RGBA picture.
Sys::Result LoadExportedPicture(CG::ImageRGBA& picture, const std::string& pngPath);
