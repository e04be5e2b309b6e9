#include "panelwick/Mm/BufferedWaveFile.h"

#include <cstring>

namespace Mm {

BufferedWaveFile& BufferedWaveFile::operator=(const BufferedWaveFile& other) {
    if (this == &other) return *this;
    readCount_ = other.readCount_;
    writeCount_ = other.writeCount_;
    readPosition_ = other.readPosition_;
    if (other.buffer_) {
        AllocateBuffer();
        std::memcpy(buffer_.get(), other.buffer_.get(), kBufferSize);
    } else {
        buffer_.reset();
    }
    return *this;
}

void BufferedWaveFile::AllocateBuffer() {
    if (!buffer_) buffer_ = std::make_unique<uint8_t[]>(kBufferSize);
}

void BufferedWaveFile::FreeBuffer() {
    buffer_.reset();
    DiscardBuffered();
}

Sys::Result BufferedWaveFile::OpenForReadingStrict(const std::filesystem::path& path) {
    FreeBuffer();
    AllocateBuffer();
    Sys::Result result = OpenForReading(path);
    if (result.ok()) {
        if (bitsPerSample() != 16) {
            result = "The resolution must be 16 bits";
        } else if (samplesPerSecond() != 44100) {
            result = "The number of samples per second must be 44100";
        } else if (channels() != 1 && channels() != 2) {
            result = "The audio must be mono or stereo";
        }
    }
    if (result.failed()) FreeBuffer();
    return result;
}

Sys::Result BufferedWaveFile::FlushAndClose() {
    if (writeCount_ > 0 && buffer_ && Write(buffer_.get(), writeCount_) == writeCount_) {
        DiscardBuffered();
    }
    Sys::Result result = Close();
    FreeBuffer();
    return result;
}

bool BufferedWaveFile::Refill(int32_t frameBytes) {
    if (!buffer_) return false;
    const int32_t n = Read(buffer_.get(), kBufferSize);
    readPosition_ = 0;
    readCount_ = n > 0 ? n : 0;
    return readCount_ >= frameBytes;
}

}  // namespace Mm
