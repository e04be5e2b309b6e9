#pragma once

#include <cstdint>

#include "panelwick/Mm/WaveHeader.h"

namespace Mm {

// The owner of a playback: told when the device has opened, asked to fill each buffer, told
// when the device has closed. Every call arrives on the owner's thread (see Mm::Dac).
class IAudioOut {
public:
    virtual ~IAudioOut() = default;

    virtual void OnPlayStart(uint32_t samplesPerSecond, uint32_t channels,
                             uint32_t bitsPerSample) = 0;
    // Writes up to buffer.bufferLength bytes at buffer.data and sets buffer.bytesRecorded to
    // the count written; 0 means the sound is over.
    virtual void OnPlayFill(uint32_t samplesPerSecond, uint32_t channels, uint32_t bitsPerSample,
                            WaveHeader& buffer) = 0;
    virtual void OnPlayEnd() = 0;
};

}  // namespace Mm
