#pragma once

#include <cstdint>
#include <string>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "render/PreparedObject.h"

// Draws a video object into frame f of a movie at fps frames per second: nothing unless it is
// a video object with a frame folder name, the project folder is known and the object is
// shown at the frame's instant. Otherwise the picture for the time skip + instant - begin,
// looked up in the frame time table (00000001.jpg when that picture cannot be opened), is
// loaded into the worker's videoPicture and drawn with the object's animation (sized from the
// prepared first picture).
// Fails with "Error while loading video frame" or the draw's error text.
Sys::Result DrawVideoAtFrame(const MovieObject& object, const PreparedObject& prepared,
                             const std::string& projectFolder, uint32_t frame, uint8_t fps,
                             CG::ImageRGBA& videoPicture, CG::DIBitmap& target);
