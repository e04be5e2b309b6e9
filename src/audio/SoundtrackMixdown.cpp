#include "audio/SoundtrackMixdown.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "audio/AudioMixState.h"
#include "panelwick/Mm/AutoLevel.h"
#include "panelwick/Mm/BufferedWaveFile.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/MovieFrameCount.h"

namespace {

constexpr uint64_t kBlock = 4096;  // samples mixed at a time

// Clamps to -32767..32767 (never -32768), rounds down and buffers the sample.
void WriteClamped(Mm::BufferedWaveFile& out, double v) {
    v = v > -32767.0 ? (v < 32767.0 ? v : 32767.0) : -32767.0;
    out.WriteSample(int16_t(std::floor(v)));
}

}  // namespace

bool HasAudioObjects(const std::vector<MovieObject>& objects) {
    return std::any_of(objects.begin(), objects.end(),
                       [](const MovieObject& o) { return o.type == MovieObjectType::Audio; });
}

uint64_t SoundtrackLength(uint32_t movieFrames, uint8_t fps) {
    return fps == 0 ? 0 : uint64_t(movieFrames) * 44100 / fps;
}

uint32_t MaxConcurrentAudio(const std::vector<MovieObject>& objects, uint8_t fps, uint32_t frames) {
    uint32_t most = 0;
    if (fps == 0) return 0;
    for (uint64_t f = 0; f < frames; ++f) {
        const uint64_t time = f * 1000 / fps;
        uint32_t count = 0;
        for (const MovieObject& o : objects) {
            if (o.type == MovieObjectType::Audio && o.begin <= time && time < o.end) ++count;
        }
        most = std::max(most, count);
    }
    return most;
}

Sys::Result MixSoundtrack(const std::vector<MovieObject>& objects,
                          const MovieProperties& properties, const std::string& projectFolder,
                          const std::filesystem::path& output, Mt::Task& task,
                          uint32_t windowBegin) {
    Sys::DeleteFile(output);
    if (windowBegin != 0 || !HasAudioObjects(objects)) return {};
    const uint8_t fps = properties.fps;
    const uint32_t frames = MovieFrameCount(objects, fps);
    std::vector<AudioMixState> states(objects.size());
    for (size_t k = 0; k < objects.size(); ++k) states[k].Prepare(objects[k]);
    const uint32_t concurrent = MaxConcurrentAudio(objects, fps, frames);
    const double n = concurrent == 0 ? 1.0 : double(concurrent);

    Mm::BufferedWaveFile out;
    out.AllocateBuffer();
    if (Sys::Result r = out.OpenForWritting(44100, 2, 16, output); r.failed()) {
        out.FreeBuffer();
        return r;
    }
    const uint64_t total = SoundtrackLength(frames, fps);
    std::unique_ptr<Mm::AutoLevel> level;
    if (properties.normalizeVolume) level = std::make_unique<Mm::AutoLevel>();
    uint64_t produced = 0, written = 0;
    auto emit = [&](double left, double right) {
        if (!level) {
            WriteClamped(out, left);
            WriteClamped(out, right);
            ++written;
            return;
        }
        double l, r;
        level->Process(left, right, l, r);
        if (produced++ < uint64_t(Mm::AutoLevel::kLength)) return;  // the normaliser's delay
        WriteClamped(out, l);
        WriteClamped(out, r);
        ++written;
    };
    auto closeAll = [&] {
        for (AudioMixState& s : states) s.Close();
    };
    const Mm::AudioKernels& kernels = Mm::AudioKernels::Active();
    std::vector<double> sums(2 * kBlock), scratch(2 * kBlock);
    for (uint64_t first = 0; first < total; first += kBlock) {
        const size_t count = size_t(std::min<uint64_t>(kBlock, total - first));
        std::fill(sums.begin(), sums.end(), 0.0);
        for (size_t k = 0; k < objects.size(); ++k) {
            if (objects[k].type != MovieObjectType::Audio) continue;
            if (kernels.blocks) {
                states[k].MixBlock(objects[k], projectFolder, first, count, sums.data(),
                                   scratch.data(), kernels);
                continue;
            }
            // The plain rule, one sample at a time.
            for (size_t j = 0; j < count; ++j) {
                double l, r;
                if (states[k].MixNextSample(objects[k], projectFolder, first + j, l, r)) {
                    sums[2 * j] += l;
                    sums[2 * j + 1] += r;
                }
            }
        }
        for (size_t j = 0; j < count; ++j) emit(sums[2 * j] / n, sums[2 * j + 1] / n);
        task.SetProgress(double(first + count) / double(total));
        if (task.Cancelled()) {
            closeAll();
            out.DiscardBuffered();
            (void)out.FlushAndClose();
            Sys::DeleteFile(output);
            return Mt::kStoppedMessage;
        }
    }
    while (written < total) emit(0.0, 0.0);
    task.SetProgress(1.0);
    const Sys::Result closed = out.FlushAndClose();
    closeAll();
    return closed;
}
