#include "project/MovieObject.h"

#include <cstdio>

#include "panelwick/Sys/Utf.h"

bool MovieObject::Write(Sys::IWriter& w) const {
    if (!(w.WriteU8(static_cast<uint8_t>(type)) && w.WriteU32(begin) && w.WriteU32(end) &&
          beginState.Write(w) && endState.Write(w) && w.WriteI32(accelerationX) &&
          w.WriteI32(accelerationY) && w.WriteString(fileName) && w.WriteU32(frontColor) &&
          w.WriteU32(backColor) && w.WriteString(text) && w.WriteU8(depth3D) &&
          w.WriteU16(fontSize) && w.WriteU32(width) && w.WriteU32(height) && w.WriteU8(page) &&
          w.WriteU8(bassFrequency) && w.WriteU16(trebleFrequency) && w.WriteI8(bassGain) &&
          w.WriteI8(trebleGain) && w.WriteU32(skip) && w.WriteU32(fontStyle))) {
        return false;
    }
    for (int32_t word : reserved) {
        if (!w.WriteI32(word)) return false;
    }
    return true;
}

bool MovieObject::Read(Sys::IReader& r) {
    uint8_t typeByte;
    if (!r.ReadU8(typeByte)) return false;
    type = static_cast<MovieObjectType>(typeByte);
    if (!(r.ReadU32(begin) && r.ReadU32(end) && beginState.Read(r) && endState.Read(r) &&
          r.ReadI32(accelerationX) && r.ReadI32(accelerationY) && r.ReadString(fileName) &&
          r.ReadU32(frontColor) && r.ReadU32(backColor) && r.ReadString(text) &&
          r.ReadU8(depth3D) && r.ReadU16(fontSize) && r.ReadU32(width) && r.ReadU32(height) &&
          r.ReadU8(page) && r.ReadU8(bassFrequency) && r.ReadU16(trebleFrequency) &&
          r.ReadI8(bassGain) && r.ReadI8(trebleGain) && r.ReadU32(skip) && r.ReadU32(fontStyle))) {
        return false;
    }
    for (int32_t& word : reserved) {
        if (!r.ReadI32(word)) return false;
    }
    return true;
}

std::u16string MovieObject::DisplayName() const {
    char buffer[64];
    switch (type) {
        case MovieObjectType::Text:
            return text.empty() ? u"Error" : text;
        case MovieObjectType::Rectangle:
            std::snprintf(buffer, sizeof buffer, "rect %dx%d", static_cast<int>(width),
                          static_cast<int>(height));
            return Sys::ToUtf16(buffer);
        case MovieObjectType::CorelDrawPage:
            if (fileName.empty()) return u"Error";
            std::snprintf(buffer, sizeof buffer, " p%d", static_cast<int>(page));
            return fileName + Sys::ToUtf16(buffer);
        default:
            return fileName.empty() ? u"Error" : fileName;
    }
}
