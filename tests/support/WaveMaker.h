#pragma once

#include <cstdint>
#include <string>
#include <vector>

// WAVE files for tests, built byte by byte so that damaged and unusual files can be made too.
struct WaveFormat {
    uint16_t tag = 1;
    uint16_t channels = 2;
    uint32_t rate = 44100;
    uint16_t bits = 16;
    uint32_t fmtSize = 16;  // more than 16 adds zero bytes to the record
};

// One chunk: identifier, size, body and the pad byte after an odd body.
std::string ChunkBytes(const std::string& id, const std::string& body);
// "RIFF" size "WAVE" followed by the given chunks.
std::string RiffBytes(const std::string& chunks);
std::string FmtChunk(const WaveFormat& format);
std::string SampleBytes(const std::vector<int16_t>& samples);
// A complete file: fmt, then `between`, then the data chunk, then `after`.
std::string WaveBytes(const WaveFormat& format, const std::string& data,
                      const std::string& between = {}, const std::string& after = {});

// A plain 16-bit 44100 Hz file of interleaved samples.
void WriteWave(const std::string& path, const std::vector<int16_t>& samples, uint16_t channels);
// The interleaved samples of a file's data chunk (found by walking the chunks), and its
// channel count; empty when the file is not a WAVE file.
std::vector<int16_t> ReadWaveSamples(const std::string& path, uint16_t* channels = nullptr);

// frames x channels samples of a sine of the amplitude and frequency, the same on every
// channel.
std::vector<int16_t> Sine(size_t frames, uint16_t channels, double amplitude, double frequency);
// A constant value on every sample.
std::vector<int16_t> Constant(size_t frames, uint16_t channels, int16_t value);
