#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "panelwick/Sys/File.h"
#include "panelwick/Sys/Result.h"

namespace Mm {

// Reads and writes uncompressed PCM WAVE files. Reading finds the "fmt " and "data" chunks in
// any order inside the RIFF "WAVE" form, skipping other chunks (odd sizes padded to even).
// Writing produces a 44-byte header; Close fills in the sizes and adds the pad byte after an
// odd-sized data chunk. Failures return the message text; Close can always finish the object.
class WaveFile {
public:
    // One chunk: identifier, size, form type (RIFF only), offset of its first data byte.
    struct Chunk {
        uint32_t id = 0;
        uint32_t size = 0;
        uint32_t formType = 0;
        uint64_t dataOffset = 0;
        uint32_t flags = 0;
    };

    WaveFile() = default;
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;
    ~WaveFile() { (void)Close(); }

    // Opens a PCM file and positions it at the first sample byte. A data chunk that claims
    // more bytes than the file holds is taken as long as what the file holds.
    Sys::Result OpenForReading(const std::filesystem::path& path);
    // Creates (truncating) a file and writes the header; the caller then writes sample bytes.
    Sys::Result OpenForWritting(uint32_t samplesPerSecond, uint16_t channels,
                                uint16_t bitsPerSample, const std::filesystem::path& path);
    // When writing, fixes the data and RIFF sizes (and pads odd data); always closes.
    Sys::Result Close();

    bool IsOpen() const { return file_.IsOpen(); }
    bool writing() const { return writing_; }
    uint16_t bitsPerSample() const { return bitsPerSample_; }
    uint32_t samplesPerSecond() const { return samplesPerSecond_; }
    uint16_t channels() const { return channels_; }
    // Size of the data chunk in bytes after OpenForReading.
    uint32_t dataBytes() const { return dataBytes_; }
    // Sample bytes not yet read.
    uint64_t unreadBytes() const { return dataEnd_ > position_ ? dataEnd_ - position_ : 0; }
    const Chunk& dataChunk() const { return data_; }
    const Chunk& riffChunk() const { return riff_; }

    // Raw sample access. Reads stop at the end of the data chunk: the count read, 0 at the
    // end, -1 on an error. Write gives the count written or -1.
    int32_t Read(void* buffer, int32_t count);
    int32_t Write(const void* bytes, int32_t count);
    // Positions the file at a byte offset counted from the first sample byte.
    bool SeekSample(uint64_t offset);
    // Reads count bytes; when the sample data ends first it continues once from the first
    // sample byte, so a short file repeats. The count delivered.
    int32_t ReadLooping(void* buffer, int32_t count);

    // The file's length in seconds: data bytes x 8 / (rate x bits x channels).
    static Sys::Result GetDuration(const std::filesystem::path& path, double& seconds);
    // "Duration: %d:%02d" with the seconds rounded to whole seconds.
    static std::string DurationText(double seconds);

private:
    bool ReadAt(uint64_t offset, void* buffer, size_t count);
    bool FindChunk(uint32_t id, uint64_t begin, uint64_t end, Chunk& chunk);
    bool FindWaveForm(uint64_t fileSize);
    Sys::Result FinishWriting();
    void Reset();

    Sys::File file_;
    uint16_t bitsPerSample_ = 0;
    uint32_t samplesPerSecond_ = 0;
    uint16_t channels_ = 0;
    uint32_t dataBytes_ = 0;
    bool writing_ = false;
    Chunk data_;
    Chunk riff_;
    uint64_t position_ = 0;  // file offset of the next byte read or written
    uint64_t dataEnd_ = 0;   // reading: the offset after the last sample byte
};

}  // namespace Mm
