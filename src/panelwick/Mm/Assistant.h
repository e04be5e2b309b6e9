#pragma once

#include <cstdint>
#include <filesystem>

#include "panelwick/Mt/Task.h"
#include "panelwick/Sys/Result.h"

namespace Mm {

// The whole-file audio routines. Each reads one or two WAVE files, writes a new one, closes
// every file it opened and returns the failure text (empty on success). Samples are 16-bit.
// The mixing routines first delete an existing output. A routine that fails or stops after it
// created its output deletes that output.
class Assistant {
public:
    using Path = std::filesystem::path;

    // Copies the 1024-byte blocks that start after t1 and before t2 (seconds).
    static Sys::Result CopyWaveFile(const Path& in, const Path& out, double t1, double t2,
                                    Mt::Task& task = Mt::Task::Unwatched());
    // Fades mono and stereo 16-bit files in and out over 0.2 s from and to -40 dB; other
    // files are copied unchanged.
    static Sys::Result SmoothEndsFile(const Path& in, const Path& out,
                                      Mt::Task& task = Mt::Task::Unwatched());
    // Levels a mono or stereo file with the look-ahead normaliser; keeps the frame count.
    static Sys::Result NormalizeVolume(const Path& in, const Path& out,
                                       Mt::Task& task = Mt::Task::Unwatched());
    // B x (100 - balance)% + A x balance%, balance clamped to 0..100; as long as the longer.
    static Sys::Result MixWaveFile(const Path& a, const Path& b, int32_t balance, const Path& out,
                                   Mt::Task& task = Mt::Task::Unwatched());
    // voice x percent% + music x (100 - percent)%, the music repeating under the voice;
    // percent clamped to 0..100.
    static Sys::Result MixVoiceMusic(const Path& voice, const Path& music, int32_t voicePercent,
                                     const Path& out, Mt::Task& task = Mt::Task::Unwatched());
    // The voice over repeating music whose weight falls while the voice is loud.
    static Sys::Result MixVoiceMusicAutoLevel(const Path& voice, const Path& music, const Path& out,
                                              Mt::Task& task = Mt::Task::Unwatched());

    // The music weight in thousandths for a voice level (0..32767): 953 in silence, 31 once
    // the voice is loud. Computed in single precision.
    static int32_t MusicWeight(int32_t level);
};

}  // namespace Mm
