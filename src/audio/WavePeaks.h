#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "panelwick/Mt/Task.h"
#include "panelwick/Sys/Result.h"

// The peak envelope of a WAVE file for drawing: per 10 ms of sound, the largest magnitude of
// any channel's sample, scaled to 0..255 of full scale.
struct WavePeaks {
    static constexpr uint32_t kMsPerPeak = 10;
    std::vector<uint8_t> peaks;

    // The largest peak over [fromMs, toMs), 0 past the end.
    uint8_t Max(uint32_t fromMs, uint32_t toMs) const;

    // Reads the whole file; 8-bit unsigned and 16-bit signed PCM, any channel count.
    static Sys::Result Compute(const std::filesystem::path& path, WavePeaks& result,
                               Mt::Task& task = Mt::Task::Unwatched());
    // The same for samples in memory: interleaved 16-bit frames at `rate`.
    static WavePeaks FromSamples(const int16_t* samples, size_t frames, uint16_t channels,
                                 uint32_t rate);
};
