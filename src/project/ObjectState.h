#pragma once

#include <cstdint>

#include "panelwick/Sys/IReader.h"
#include "panelwick/Sys/IWriter.h"

// An object's placement and adjustments at one instant. Positions are in the 1600 x 900
// reference frame and, like scales and rotations (degrees), times 10000.
struct ObjectState {
    int32_t x = 0;
    int32_t y = 0;
    int32_t sizeX = 10000;
    int32_t sizeY = 10000;
    int32_t rotX = 0;
    int32_t rotY = 0;
    int32_t rotZ = 0;
    uint8_t transparency = 255;  // 255 draws fully, 0 hides
    uint8_t contrast = 127;      // 127 is neutral
    uint8_t brightness = 127;
    uint8_t saturation = 127;
    int8_t volumeLeft = 0;  // audio: dB
    int8_t volumeRight = 0;
    int16_t fadeRate = 0;  // audio: dB per second, fade-in in the begin state, fade-out in the end

    static constexpr int kStoredSize = 36;

    // 36 bytes: the seven 32-bit values, the six bytes at 28..33, the fade rate at 34.
    bool Write(Sys::IWriter& writer) const;
    bool Read(Sys::IReader& reader);

    bool operator==(const ObjectState&) const = default;
};
