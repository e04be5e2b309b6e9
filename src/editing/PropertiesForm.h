#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/MovieProperties.h"

// The choices of the movie properties dialog: four lists of items, each showing a text and
// carrying a number, the selection each list starts with, and the rules of OK.
struct PropertiesForm {
    struct Item {
        std::string text;
        int value;
    };

    static std::vector<Item> Sizes();            // "%dx%d", carrying the height
    static std::vector<Item> MovieQualities();   // 5 .. 100 in steps of 5
    static std::vector<Item> FramesPerSecond();  // 1 .. 60, "24 recommended"
    static std::vector<Item> JpgQualities();     // 10 .. 100

    // The item whose value equals `value`, else `fallback` (-1: nothing selected).
    static int IndexOf(const std::vector<Item>& items, int value, int fallback);

    // The selections for the properties: the size falls back to 1280x720 and the frames per
    // second to 24; the qualities to nothing.
    int size = -1, movieQuality = -1, fps = -1, jpgQuality = -1;
    uint32_t backColor = 0;
    bool normalizeVolume = false;

    static PropertiesForm FromProperties(const MovieProperties& properties);
    // Writes the chosen values; false, leaving the properties unchanged, while the size, the
    // movie quality or the JPG quality has no selection. The dark theme passes through.
    bool Apply(MovieProperties& properties) const;
};
