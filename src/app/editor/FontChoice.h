#pragma once

#include <cstdint>
#include <string>

class QWidget;

// The font chooser of Text objects: starts from the face the text is drawn with, a point size
// and the bold and italic bits, and gives back the chosen face, size (0 .. 255) and bits.
struct FontChoice {
    std::string face;
    int size = 0;
    uint32_t style = 0;  // bit 0 bold (weight 700), bit 1 italic

    // False when cancelled.
    static bool Choose(QWidget* parent, FontChoice& choice);
};
