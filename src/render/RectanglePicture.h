#pragma once

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"

// The picture of a rectangle object: width x height pixels of frontColor with a bevel of
// depth3D pixels along its top and left edges, shading from backColor at the outside to
// frontColor at the inside; the corner left over at the top right and bottom left stays
// transparent. "Out of memory" when the picture cannot be allocated.
Sys::Result MakeRectanglePicture(const MovieObject& object, CG::ImageRGBA& picture);
