#pragma once

#include <cstdint>
#include <string>

#include "project/ObjectState.h"

// What the object editor's state controls hold for one state of an object (Begin or End):
// the time as minutes and seconds, the number boxes in reference pixels, scale factors and
// degrees, and the slider positions.
struct StateControls {
    double minutes = 0, seconds = 0;
    double x = 0, y = 0, sizeX = 1, sizeY = 1, rotX = 0, rotY = 0, rotZ = 0;
    int sizeXSlider = 100, sizeYSlider = 100;            // 1 .. 400, scale x 100
    int rotXSlider = 0, rotYSlider = 0, rotZSlider = 0;  // 0 .. 180, degrees / 2
    int transparency = 0;                                // slider position: 255 - the stored byte
    int contrast = 127, brightness = 127, saturation = 127;

    // The controls for a state shown at time `ms`.
    static StateControls Show(const ObjectState& state, uint32_t ms);
    // Writes the controls back into the state and gives the time they show.
    uint32_t Store(ObjectState& state) const;
};

// The limits of the editor's number boxes before they are scaled by 10000.
inline constexpr double kBoxLimit = 214700;

// A number box value clamped to -214700 .. 214700 and scaled by 10000; rounded to the
// nearest unit, so that a value shown with four decimals reads back unchanged.
int32_t BoxToStored(double value);
// round((minutes x 60 + seconds) x 1000) milliseconds, within 0 .. 2^32 - 1.
uint32_t EditorTimeMs(double minutes, double seconds);
// The minutes box of a time: trunc(ms / 1000) / 60.
int TimeMinutes(uint32_t ms);
// The seconds box: the rest in seconds, "%04.1f" with a fraction, "%02d" when whole.
std::string TimeSecondsText(uint32_t ms);
// A stored value / 10000 for a number box, with up to four decimals.
std::string BoxText(int32_t stored);
// An acceleration box: the value / 10000 with "%g", every hyphen as the minus sign U+2212.
std::string AccelerationText(int32_t stored);
// Reads a number box: the minus sign U+2212 counts as a hyphen; no number reads as 0.
double ParseBoxNumber(const std::string& text);
// The state "Reset" gives: centred, natural size, no rotation, opaque, neutral adjustments.
void ResetState(ObjectState& state);
