#include "editing/EditorState.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

StateControls StateControls::Show(const ObjectState& s, uint32_t ms) {
    StateControls c;
    c.minutes = TimeMinutes(ms);
    c.seconds = (ms - uint32_t(c.minutes) * 60000) / 1000.0;
    c.x = s.x / 10000.0;
    c.y = s.y / 10000.0;
    c.sizeX = s.sizeX / 10000.0;
    c.sizeY = s.sizeY / 10000.0;
    c.rotX = s.rotX / 10000.0;
    c.rotY = s.rotY / 10000.0;
    c.rotZ = s.rotZ / 10000.0;
    c.sizeXSlider = s.sizeX / 100;
    c.sizeYSlider = s.sizeY / 100;
    c.rotXSlider = int(c.rotX / 2);
    c.rotYSlider = int(c.rotY / 2);
    c.rotZSlider = int(c.rotZ / 2);
    c.transparency = 255 - s.transparency;
    c.contrast = s.contrast;
    c.brightness = s.brightness;
    c.saturation = s.saturation;
    return c;
}

uint32_t StateControls::Store(ObjectState& s) const {
    s.x = BoxToStored(x);
    s.y = BoxToStored(y);
    s.sizeX = BoxToStored(sizeX);
    s.sizeY = BoxToStored(sizeY);
    s.rotX = BoxToStored(rotX);
    s.rotY = BoxToStored(rotY);
    s.rotZ = BoxToStored(rotZ);
    s.transparency = uint8_t(255 - std::clamp(transparency, 0, 255));
    s.contrast = uint8_t(std::clamp(contrast, 0, 255));
    s.brightness = uint8_t(std::clamp(brightness, 0, 255));
    s.saturation = uint8_t(std::clamp(saturation, 0, 255));
    return EditorTimeMs(minutes, seconds);
}

int32_t BoxToStored(double value) {
    if (std::isnan(value)) return 0;
    return int32_t(std::llround(std::clamp(value, -kBoxLimit, kBoxLimit) * 10000));
}

uint32_t EditorTimeMs(double minutes, double seconds) {
    const double ms = std::round((minutes * 60 + seconds) * 1000);
    if (!(ms > 0)) return 0;
    return ms >= 4294967295.0 ? UINT32_MAX : uint32_t(ms);
}

int TimeMinutes(uint32_t ms) {
    return int(ms / 1000 / 60);
}

std::string TimeSecondsText(uint32_t ms) {
    char text[32];
    const uint32_t rest = ms - uint32_t(TimeMinutes(ms)) * 60000;
    if (rest % 1000 != 0) {
        std::snprintf(text, sizeof text, "%04.1f", rest / 1000.0);
    } else {
        std::snprintf(text, sizeof text, "%02d", int(rest / 1000));
    }
    return text;
}

std::string BoxText(int32_t stored) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", stored / 10000.0);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string AccelerationText(int32_t stored) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", stored / 10000.0);
    std::string s;
    for (const char* p = text; *p; ++p) {
        if (*p == '-') {
            s += "\xE2\x88\x92";  // U+2212
        } else {
            s += *p;
        }
    }
    return s;
}

double ParseBoxNumber(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\xE2\x88\x92") == 0) {
            plain += '-';
            i += 2;
        } else {
            plain += text[i];
        }
    }
    const double value = std::strtod(plain.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

void ResetState(ObjectState& s) {
    s.transparency = 255;
    s.contrast = s.brightness = s.saturation = 127;
    s.x = 8000000;
    s.y = 4500000;
    s.sizeX = s.sizeY = 10000;
    s.rotX = s.rotY = s.rotZ = 0;
}
