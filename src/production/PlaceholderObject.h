#pragma once

#include "project/MovieObject.h"

// What a preview draws in place of a visual object whose picture cannot be made: a text
// object with the same times and movement that names the file, light on red, so the gap is
// seen and explained instead of the frame going blank.
MovieObject PlaceholderObject(const MovieObject& failed);
