#pragma once

#include <cstdint>
#include <string>

#include "project/MovieObject.h"
#include "project/ObjectState.h"

// The object editor's toolbar commands, by their command ids.
enum class EditorCommand : int {
    AlignTop = 32783,
    CenterVertically = 32779,
    AlignBottom = 32777,
    AlignLeft = 32780,
    CenterHorizontally = 32778,
    AlignRight = 32781,
    Refresh = 32812,
    Reload = 32813,
};

// The box an alignment writes and the value it writes there, in reference pixels.
struct AlignmentResult {
    bool valid = false;
    bool xBox = false;  // else the "Y" box
    double value = 0;
};

// Places a picture of pictureWidth x pictureHeight pixels, drawn at the state's size, against
// an edge or the centre of the 1600 x 900 reference frame.
AlignmentResult Align(EditorCommand command, uint32_t pictureWidth, uint32_t pictureHeight,
                      const ObjectState& state);

// The toolbar's tooltips.
const char* EditorCommandText(EditorCommand command);

// The editor's window title for an object type.
const char* EditorTitle(MovieObjectType type);
// The file button's text: the file name, the type's name while none is chosen, and for Text
// the font as "face size" with " Bold" and " Italic".
std::string FileButtonText(const MovieObject& object);
// The font's text of a Text object: "%s %d" of face and size, then " Bold", " Italic".
std::string FontText(const std::string& face, int size, uint32_t fontStyle);
// A colour button's text is black on a colour whose luminance
// (red x 299 + green x 587 + blue x 114 + 500) / 1000 is at least 90, else white.
bool BlackTextOn(uint32_t color);
