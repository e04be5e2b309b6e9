#include "audio/SoundtrackMixdown.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "audio/SoundtrackMixer.h"
#include "panelwick/Mm/BufferedWaveFile.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/MovieFrameCount.h"

namespace {

constexpr uint64_t kBlock = SoundtrackMixer::kBlock;  // frames written at a time

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
    SoundtrackMixer mixer(objects, properties, projectFolder);
    Mm::BufferedWaveFile out;
    out.AllocateBuffer();
    if (Sys::Result r = out.OpenForWritting(44100, 2, 16, output); r.failed()) {
        out.FreeBuffer();
        return r;
    }
    const uint64_t total = mixer.length();
    std::vector<int16_t> block(2 * kBlock);
    for (uint64_t done = 0; done < total;) {
        const size_t count = mixer.Read(block.data(), kBlock);
        for (size_t j = 0; j < 2 * count; ++j) out.WriteSample(block[j]);
        done += count;
        task.SetProgress(double(done) / double(total));
        if (task.Cancelled()) {
            out.DiscardBuffered();
            (void)out.FlushAndClose();
            Sys::DeleteFile(output);
            return Mt::kStoppedMessage;
        }
    }
    task.SetProgress(1.0);
    return out.FlushAndClose();
}
