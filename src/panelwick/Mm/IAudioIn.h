#pragma once

#include <cstdint>

#include "panelwick/Mm/WaveHeader.h"

namespace Mm {

// The owner of a recording: told when the device has opened, handed each recorded buffer,
// told when the device has closed. Every call arrives on the owner's thread (see Mm::Adc).
class IAudioIn {
public:
    virtual ~IAudioIn() = default;

    virtual void OnRecordStart(uint32_t samplesPerSecond, uint32_t channels,
                               uint32_t bitsPerSample) = 0;
    // buffer.bytesRecorded bytes wait at buffer.data; setting bytesRecorded to 0 asks the
    // recorder to stop.
    virtual void OnRecordData(uint32_t samplesPerSecond, uint32_t channels, uint32_t bitsPerSample,
                              WaveHeader& buffer) = 0;
    virtual void OnRecordStop() = 0;
};

}  // namespace Mm
