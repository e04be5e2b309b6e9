#include "support/WaveMaker.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "panelwick/Sys/FileSystem.h"

namespace {

std::string U32(uint32_t v) {
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}
std::string U16(uint16_t v) {
    return {char(v), char(v >> 8)};
}
uint32_t ReadU32(const std::string& s, size_t at) {
    return uint8_t(s[at]) | uint8_t(s[at + 1]) << 8 | uint8_t(s[at + 2]) << 16 |
           uint32_t(uint8_t(s[at + 3])) << 24;
}

}  // namespace

std::string ChunkBytes(const std::string& id, const std::string& body) {
    std::string chunk = id + U32(uint32_t(body.size())) + body;
    if (body.size() % 2) chunk += '\0';
    return chunk;
}

std::string RiffBytes(const std::string& chunks) {
    return "RIFF" + U32(uint32_t(4 + chunks.size())) + "WAVE" + chunks;
}

std::string FmtChunk(const WaveFormat& f) {
    const uint16_t align = uint16_t(f.channels * f.bits / 8);
    std::string record =
        U16(f.tag) + U16(f.channels) + U32(f.rate) + U32(f.rate * align) + U16(align) + U16(f.bits);
    record.resize(f.fmtSize, '\0');
    return ChunkBytes("fmt ", record);
}

std::string SampleBytes(const std::vector<int16_t>& samples) {
    std::string bytes;
    bytes.reserve(samples.size() * 2);
    for (int16_t s : samples) bytes += U16(uint16_t(s));
    return bytes;
}

std::string WaveBytes(const WaveFormat& format, const std::string& data, const std::string& between,
                      const std::string& after) {
    return RiffBytes(FmtChunk(format) + between + ChunkBytes("data", data) + after);
}

void WriteWave(const std::string& path, const std::vector<int16_t>& samples, uint16_t channels) {
    WaveFormat format;
    format.channels = channels;
    Sys::WriteWholeFile(path, WaveBytes(format, SampleBytes(samples)));
}

std::vector<int16_t> ReadWaveSamples(const std::string& path, uint16_t* channels) {
    std::string bytes;
    if (!Sys::ReadWholeFile(path, bytes) || bytes.size() < 12) return {};
    std::vector<int16_t> samples;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const uint32_t size = ReadU32(bytes, at + 4);
        if (id == "fmt " && channels != nullptr) {
            *channels = uint16_t(uint8_t(bytes[at + 10]) | uint8_t(bytes[at + 11]) << 8);
        }
        if (id == "data") {
            const size_t end = std::min(bytes.size(), at + 8 + size_t(size));
            for (size_t p = at + 8; p + 1 < end; p += 2) {
                samples.push_back(int16_t(uint8_t(bytes[p]) | uint8_t(bytes[p + 1]) << 8));
            }
            return samples;
        }
        at += 8 + size + (size & 1);
    }
    return samples;
}

std::vector<int16_t> Sine(size_t frames, uint16_t channels, double amplitude, double frequency) {
    std::vector<int16_t> samples(frames * channels);
    for (size_t f = 0; f < frames; ++f) {
        const double v = amplitude * std::sin(2 * std::numbers::pi * frequency * f / 44100.0);
        for (uint16_t c = 0; c < channels; ++c) samples[f * channels + c] = int16_t(v);
    }
    return samples;
}

std::vector<int16_t> Constant(size_t frames, uint16_t channels, int16_t value) {
    return std::vector<int16_t>(frames * channels, value);
}
