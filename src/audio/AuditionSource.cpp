#include "audio/AuditionSource.h"

#include <cmath>

Sys::Result AuditionSource::Open(const MovieObject& object, const std::string& projectFolder) {
    object_ = object;
    state_.Close();
    if (Sys::Result r = state_.OpenAtSkip(object_, projectFolder); r.failed()) return r;
    state_.Prepare(object_);
    counter_ = 0;
    return {};
}

uint32_t AuditionSource::Fill(uint8_t* data, uint32_t capacity) {
    uint32_t frames = 0;
    while ((frames + 1) * 4 <= capacity) {
        const double t = double(counter_) / 44100;
        double left, right;
        if (!state_.ReadProcessedSample(object_, t, left, right)) break;
        for (double v : {left, right}) {
            v = v > -32767.0 ? (v < 32767.0 ? v : 32767.0) : -32767.0;
            const int16_t sample = int16_t(std::trunc(v));
            *data++ = uint8_t(sample);
            *data++ = uint8_t(uint16_t(sample) >> 8);
        }
        ++frames;
        ++counter_;
    }
    return frames * 4;
}

double AuditionSource::FilePosition(uint32_t durationMs) const {
    const double frameBytes = state_.channels() == 1 ? 2.0 : 4.0;
    return durationMs / 1000.0 - double(state_.unreadBytes()) / frameBytes / 44100;
}

void AuditionSource::Close() {
    state_.Close();
}
