#pragma once

#include <cstdint>
#include <string>

#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "render/PreparedObject.h"

// Makes an object's picture by its type, then its animation rates for a W x H movie:
// - Image: the picture file projectFolder/fileName (the loader's text on failure);
// - vector-drawing page: the project's page export file when it can be opened, else the built-in
//   placeholder picture (resource 304): "CG::DIBitmap::LoadBmp unable to load resource" or
//   "bitmap.Export(customControlOut.imageRGBA)" when that fails;
// - Text and Rectangle: see TextPicture.h and RectanglePicture.h;
// - Video: the frame folder's first picture 00000001.jpg, whose size is that of all its
//   pictures, and its video.bin ("Unable to load video.bin");
// - Audio and unknown types: nothing.
// Runs before the rendering workers start; the prepared state is then only read by them.
Sys::Result PrepareObject(const MovieObject& object, PreparedObject& prepared,
                          const std::string& projectFolder, int32_t width, int32_t height);
