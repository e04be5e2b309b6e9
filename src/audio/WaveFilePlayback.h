#pragma once

#include <cstdint>
#include <filesystem>

#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/Result.h"

// A WAVE file's sample bytes handed to the sound card as they are, from one time to another.
class WaveFilePlayback {
public:
    // Opens the file and positions it at the frame of `from` seconds; it plays to the frame of
    // `to` seconds, or to the end of its data when `to` is not after `from`.
    Sys::Result Open(const std::filesystem::path& path, double from = 0, double to = 0);
    // Reads up to `capacity` bytes (whole frames) of what remains; 0 when nothing remains.
    uint32_t Fill(uint8_t* data, uint32_t capacity);
    // Seconds from the file's start to the next byte to play.
    double Position() const;
    void Close() { (void)file_.Close(); }

    const Mm::WaveFile& file() const { return file_; }

private:
    uint32_t BlockAlign() const;

    Mm::WaveFile file_;
    uint64_t next_ = 0;       // byte offset of the next byte, from the first sample byte
    uint64_t remaining_ = 0;  // bytes still to play
};
