#pragma once

#include <cstdint>
#include <memory>

namespace Mm {

// One device buffer as its owner sees it: where the bytes are, how many fit, and how many
// were filled (playback) or recorded (recording).
struct WaveHeader {
    uint8_t* data = nullptr;
    uint32_t bufferLength = 0;
    uint32_t bytesRecorded = 0;
};

// A device buffer: its bytes and its header.
struct WaveBuffer {
    explicit WaveBuffer(uint32_t size) : bytes(new uint8_t[size]()) {
        header.data = bytes.get();
        header.bufferLength = size;
    }

    std::unique_ptr<uint8_t[]> bytes;
    WaveHeader header;
    uint32_t position = 0;  // bytes the device has played or recorded so far
};

}  // namespace Mm
