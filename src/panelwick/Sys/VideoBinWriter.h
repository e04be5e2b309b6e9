#pragma once

#include <cstdint>
#include <string>

#include "panelwick/Sys/File.h"
#include "panelwick/Sys/Result.h"

namespace Sys {

// video.bin of a screen recording, written while recording: one entry per picture, each the
// time at which that picture was complete, appended straight to the file.
class VideoBinWriter {
public:
    // Creates or replaces frame folder/video.bin.
    Result Create(const std::string& frameFolder);
    // Appends one entry; the caller goes on whatever the result.
    bool Append(uint32_t milliseconds);
    void Close() { (void)file_.Close(); }
    bool IsOpen() const { return file_.IsOpen(); }

    // Elapsed clock counts as an entry: counts / frequency seconds (in double) times 1000.0,
    // truncated toward zero to 32 bits.
    static uint32_t ElapsedMilliseconds(int64_t counts, int64_t frequency);

private:
    File file_;
};

}  // namespace Sys
