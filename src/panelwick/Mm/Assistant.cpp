#include "panelwick/Mm/Assistant.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "panelwick/Mm/AutoLevel.h"
#include "panelwick/Mm/OutputGuard.h"
#include "panelwick/Mm/WaveFile.h"

namespace Mm {
namespace {

// Opens the input and creates the output with the same format.
Sys::Result OpenPair(WaveFile& input, const Assistant::Path& in, WaveFile& output,
                     const Assistant::Path& out) {
    Sys::Result result = input.OpenForReading(in);
    if (result.ok()) {
        result = output.OpenForWritting(input.samplesPerSecond(), input.channels(),
                                        input.bitsPerSample(), out);
    }
    return result;
}

double BitsPerSecond(const WaveFile& file) {
    return double(file.samplesPerSecond()) * file.bitsPerSample() * file.channels();
}

int16_t Sample(const uint8_t* p) {
    return int16_t(p[0] | p[1] << 8);
}
void PutSample(uint8_t* p, int32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(uint32_t(v) >> 8);
}

}  // namespace

Sys::Result Assistant::CopyWaveFile(const Path& in, const Path& out, double t1, double t2,
                                    Mt::Task& task) {
    WaveFile input, output;
    if (Sys::Result r = OpenPair(input, in, output, out); r.failed()) return r;
    OutputGuard guard(output, out);
    const double perSecond = BitsPerSecond(input);
    const double total = perSecond > 0 ? double(input.dataBytes()) * 8 / perSecond : 0.0;
    uint32_t remaining = input.dataBytes();
    uint8_t block[1024];
    while (remaining > 0) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        const double elapsed = perSecond > 0 ? total - double(remaining) * 8 / perSecond : 0.0;
        if (elapsed >= t2) break;
        const int32_t n = input.Read(block, int32_t(std::min<uint32_t>(sizeof block, remaining)));
        if (n <= 0) break;
        remaining -= uint32_t(n);
        if (elapsed <= t1) continue;
        if (output.Write(block, n) != n) {
            return "Mm::Assistant::CopyWaveFile Unable to copy samples from input to output";
        }
        task.SetProgress(1.0 - double(remaining) / input.dataBytes());
    }
    return guard.Finish();
}

Sys::Result Assistant::SmoothEndsFile(const Path& in, const Path& out, Mt::Task& task) {
    WaveFile input, output;
    if (Sys::Result r = OpenPair(input, in, output, out); r.failed()) return r;
    OutputGuard guard(output, out);
    const int channels = input.channels();
    const bool process = (channels == 1 || channels == 2) && input.bitsPerSample() == 16;
    const int64_t n = int64_t(input.samplesPerSecond() * 0.2 + 0.5);
    const double g0 = std::pow(10.0, -2.0);
    const double up = std::pow(1 / g0, 1.0 / double(n));
    const double down = std::pow(g0, 1.0 / double(n));
    const uint32_t bitsPerFrame = uint32_t(input.bitsPerSample()) * uint32_t(channels);
    const int64_t frames =
        bitsPerFrame > 0 ? int64_t(uint64_t(input.dataBytes()) * 8 / bitsPerFrame) : 0;
    const int64_t fadeOutStart = frames > n ? frames - n : 0;
    double g = g0;
    int64_t k = 0;
    uint32_t remaining = input.dataBytes();
    std::vector<uint8_t> block(16384);
    while (remaining > 0) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        const int32_t got = input.Read(
            block.data(), int32_t(std::min<uint32_t>(uint32_t(block.size()), remaining)));
        if (got <= 0) break;
        remaining -= uint32_t(got);
        const int32_t frameBytes = 2 * channels;
        for (int32_t at = 0; process && at + frameBytes <= got; at += frameBytes, ++k) {
            if (k < n) {
                g = std::min(1.0, g * up);
            } else if (k > fadeOutStart) {
                g = std::max(0.0, g * down);
            } else {
                g = 1.0;
            }
            for (int c = 0; c < channels; ++c) {
                uint8_t* p = block.data() + at + 2 * c;
                PutSample(p, int32_t(Sample(p) * g + 0.5));
            }
        }
        if (output.Write(block.data(), got) != got) {
            return "Mm::Assistant::SmoothEndsFile Unable to copy samples from input to output";
        }
        task.SetProgress(1.0 - double(remaining) / input.dataBytes());
    }
    return guard.Finish();
}

Sys::Result Assistant::NormalizeVolume(const Path& in, const Path& out, Mt::Task& task) {
    WaveFile input, output;
    if (Sys::Result r = input.OpenForReading(in); r.failed()) return r;
    const int channels = input.channels();
    if (channels != 1 && channels != 2) {
        return "Mm::Assistant::NormalizeVolume the number of channels must be one or two";
    }
    if (Sys::Result r = output.OpenForWritting(input.samplesPerSecond(), input.channels(),
                                               input.bitsPerSample(), out);
        r.failed()) {
        return r;
    }
    OutputGuard guard(output, out);
    auto level = std::make_unique<AutoLevel>();
    level->SetReleaseRate(-6.0);
    const int32_t frameBytes = 2 * channels;
    std::vector<uint8_t> block(size_t(AutoLevel::kLength) * size_t(frameBytes));
    uint64_t framesIn = 0, framesOut = 0, produced = 0;
    // Levels the block's frames in place and writes the outputs that follow the first ring
    // length of outputs (the ring's initial silence), never more than the frames read.
    auto pass = [&](int32_t frames) {
        for (int32_t f = 0; f < frames; ++f) {
            uint8_t* p = block.data() + f * frameBytes;
            int32_t left, right;
            level->Process(Sample(p), channels == 2 ? Sample(p + 2) : 0, left, right);
            PutSample(p, left);
            if (channels == 2) PutSample(p + 2, right);
        }
        const uint64_t skip = produced < AutoLevel::kLength
                                  ? std::min<uint64_t>(AutoLevel::kLength - produced, frames)
                                  : 0;
        produced += uint64_t(frames);
        const uint64_t count = std::min<uint64_t>(frames - skip, framesIn - framesOut);
        if (count > 0) {
            (void)output.Write(block.data() + skip * frameBytes, int32_t(count * frameBytes));
            framesOut += count;
        }
    };
    uint32_t remaining = input.dataBytes();
    while (remaining > 0) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        const int32_t got =
            input.Read(block.data(), int32_t(std::min<size_t>(block.size(), remaining)));
        if (got <= 0) break;
        remaining -= uint32_t(got);
        framesIn += uint64_t(got / frameBytes);
        pass(got / frameBytes);
        task.SetProgress(1.0 - double(remaining) / input.dataBytes());
    }
    std::fill(block.begin(), block.end(), 0);
    pass(AutoLevel::kLength);
    return guard.Finish();
}

int32_t Assistant::MusicWeight(int32_t level) {
    const float a = std::pow(10.0f, -1.5f);
    const float low = std::pow(10.0f, -3.5f);
    const float high = std::pow(10.0f, -1.75f);
    const float mid = (low + high) / 2;
    const float k = 8 / (high - low);
    const float x = float(level) / 32767;
    return int32_t(1000 * (a + (1 - 2 * a) / (1 + std::exp(k * (x - mid)))));
}

}  // namespace Mm
