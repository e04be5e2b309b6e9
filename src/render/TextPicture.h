#pragma once

#include <string>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"

// The picture of a text object. The text is drawn white on black with the font named in
// fileName ("Arial" when empty) at a character height of 3 x fontSize pixels, bold and italic
// from fontStyle, on a canvas of n x fontSize x 3 by fontSize x 6 pixels (n text units); its
// measured cx x cy pixels become a mask whose alpha is the luminance. The picture is then
// (cx + d) x (cy + d) with d = depth3D: d copies of the mask at (i, i), coloured from
// backColor (back) to frontColor (front); a single copy in frontColor for d = 1; nothing for
// d = 0. Empty text gives an empty picture.
// Fails with "Unable to create font", "Error ddbitmap.ExportImageRGBA" or "Out of memory".
Sys::Result MakeTextPicture(const MovieObject& object, CG::ImageRGBA& picture);

// The face a text object is drawn with: the one named in fileName, "Arial" when empty. The
// editor's file button and font chooser show the same face.
std::string TextFaceName(const MovieObject& object);
