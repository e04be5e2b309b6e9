#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "panelwick/Sys/IReader.h"
#include "panelwick/Sys/IWriter.h"
#include "project/MovieObjectType.h"
#include "project/ObjectState.h"

// One timeline element: its persisted fields, in the order the project file stores them.
// Colours hold red in the lowest byte, then green, then blue. Times are milliseconds.
struct MovieObject {
    MovieObjectType type = MovieObjectType::Image;
    uint32_t begin = 0;
    uint32_t end = 1000;
    ObjectState beginState = DefaultState(2000);
    ObjectState endState = DefaultState(-2000);
    int32_t accelerationX = 0;
    int32_t accelerationY = 0;
    std::u16string fileName;  // relative to the project folder; the font face for Text
    uint32_t frontColor = 0x00FFD9D9;
    uint32_t backColor = 0x00000000;
    std::u16string text;
    uint8_t depth3D = 3;
    uint16_t fontSize = 32;
    uint32_t width = 400;
    uint32_t height = 300;
    uint8_t page = 1;
    uint8_t bassFrequency = 120;
    uint16_t trebleFrequency = 4000;
    int8_t bassGain = 0;
    int8_t trebleGain = 0;
    uint32_t skip = 0;
    uint32_t fontStyle = 0;  // bit 0 bold, bit 1 italic
    std::array<int32_t, 11> reserved{};

    // The fixed part of a record; each string adds 2 bytes per code unit.
    static constexpr uint64_t kMinimumRecordSize = 174;
    static constexpr uint32_t kBold = 1;
    static constexpr uint32_t kItalic = 2;

    // Copies every persisted field from another object.
    void CopyPersistedFields(const MovieObject& other) { *this = other; }

    // Each stops at the first field that cannot be written or read; fields read before a
    // failure keep their new values.
    bool Write(Sys::IWriter& writer) const;
    bool Read(Sys::IReader& reader);

    // The name shown on the timeline row.
    std::u16string DisplayName() const;

    bool operator==(const MovieObject&) const = default;

private:
    static ObjectState DefaultState(int16_t fadeRate) {
        ObjectState s;
        s.fadeRate = fadeRate;
        return s;
    }
};
