#pragma once

#include <cstdint>
#include <string>

#include "audio/AudioMixState.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"

// An audio object played on its own, processed exactly as the soundtrack mixdown processes it
// (level ramps, shelves, fades), as 16-bit stereo frames for the sound card.
class AuditionSource {
public:
    // Opens the object's file strictly at its skip and prepares the processing; the counter
    // starts at 0.
    Sys::Result Open(const MovieObject& object, const std::string& projectFolder);
    // Fills whole frames into at most `capacity` bytes: each processed channel clamped to
    // -32767..32767 and truncated, left then right. The bytes filled; 0 once the object or
    // its file is over.
    uint32_t Fill(uint8_t* data, uint32_t capacity);
    // The position in the file in seconds: its duration less the samples not yet read.
    double FilePosition(uint32_t durationMs) const;
    // Flushes, closes and frees the reader.
    void Close();

    uint64_t framesPlayed() const { return counter_; }

private:
    MovieObject object_;
    AudioMixState state_;
    uint64_t counter_ = 0;
};
