#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "panelwick/Mm/WaveFile.h"

namespace Mm {

// A WaveFile with an 8192-byte block buffer for frame-by-frame reading or writing of 16-bit
// samples.
class BufferedWaveFile : public WaveFile {
public:
    static constexpr int32_t kBufferSize = 8192;

    BufferedWaveFile() = default;
    // Copies the counters and the buffered bytes (not the open file).
    BufferedWaveFile& operator=(const BufferedWaveFile& other);

    // Opens like OpenForReading with a fresh buffer, then requires 16 bits, 44100 samples per
    // second and one or two channels. On failure the buffer is freed; the file stays open
    // until Close.
    Sys::Result OpenForReadingStrict(const std::filesystem::path& path);
    // Writes what waits in the buffer, closes, frees the buffer.
    Sys::Result FlushAndClose();

    void AllocateBuffer();
    void FreeBuffer();
    bool HasBuffer() const { return buffer_ != nullptr; }

    // The next frame; a mono frame gives the same sample twice. When fewer bytes than one
    // frame remain in the buffer it is refilled with one read of 8192 bytes; false when that
    // read gives less than a frame.
    bool ReadFrame(int16_t& left, int16_t& right) {
        const int32_t frameBytes = channels() == 1 ? 2 : 4;
        if (readCount_ < frameBytes && !Refill(frameBytes)) return false;
        const uint8_t* p = buffer_.get() + readPosition_;
        left = int16_t(p[0] | p[1] << 8);
        right = frameBytes == 2 ? left : int16_t(p[2] | p[3] << 8);
        readPosition_ += frameBytes;
        readCount_ -= frameBytes;
        return true;
    }

    // Appends one sample; the buffer goes to the file each time it is full. A failed block
    // write is not reported.
    void WriteSample(int16_t sample) {
        uint8_t* p = buffer_.get() + writeCount_;
        p[0] = uint8_t(sample);
        p[1] = uint8_t(uint16_t(sample) >> 8);
        writeCount_ += 2;
        if (writeCount_ == kBufferSize) {
            (void)Write(buffer_.get(), kBufferSize);
            writeCount_ = 0;
        }
    }

    int32_t readCount() const { return readCount_; }
    int32_t writeCount() const { return writeCount_; }
    int32_t readPosition() const { return readPosition_; }
    // Forgets what the buffer holds (after a seek of the file).
    void DiscardBuffered() { readCount_ = writeCount_ = readPosition_ = 0; }

private:
    bool Refill(int32_t frameBytes);

    std::unique_ptr<uint8_t[]> buffer_;
    int32_t readCount_ = 0;
    int32_t writeCount_ = 0;
    int32_t readPosition_ = 0;
};

}  // namespace Mm
