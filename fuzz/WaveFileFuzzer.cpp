// fuzz-links: reelwork_audio
// Any bytes as a WAVE file: the reader, the buffered strict reader, the whole-file routines
// and the mixdown's per-object reader must neither crash nor loop.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "audio/AudioMixState.h"
#include "audio/WavePeaks.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Mm/BoostBass.h"
#include "panelwick/Mm/BufferedWaveFile.h"
#include "panelwick/Mm/WaveFile.h"

namespace {

// A file in memory, reachable by path.
struct MemoryFile {
    explicit MemoryFile(const char* name) : fd(memfd_create(name, 0)) {}
    ~MemoryFile() { close(fd); }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd); }
    int fd;
};

void ReadEverything(const std::string& path) {
    Mm::WaveFile file;
    if (file.OpenForReading(path).ok()) {
        char block[1000];
        while (file.Read(block, sizeof block) > 0) {
        }
        for (int i = 0; i < 3; ++i) (void)file.ReadLooping(block, sizeof block);
        (void)file.SeekSample(3);
        (void)file.Read(block, 7);
    }
    (void)file.Close();
    WavePeaks peaks;
    (void)WavePeaks::Compute(path, peaks);
    double seconds = 0;
    (void)Mm::WaveFile::GetDuration(path, seconds);
    (void)Mm::WaveFile::DurationText(seconds);
    Mm::BufferedWaveFile strict;
    if (strict.OpenForReadingStrict(path).ok()) {
        int16_t l, r;
        for (int i = 0; i < 100000 && strict.ReadFrame(l, r); ++i) {
        }
    }
    (void)strict.FlushAndClose();
}

// The first byte chooses how the rest is taken: as the whole file, or as a 16-byte format
// record, a 4-byte data size and sample bytes wrapped in a RIFF form (so that the fuzzer
// reaches the sample code quickly), with the format tag kept at PCM or not.
std::string FileBytes(const uint8_t* data, size_t size) {
    if (size == 0 || data[0] % 3 == 0)
        return std::string(reinterpret_cast<const char*>(data), size);
    std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    rest.resize(std::max<size_t>(rest.size(), 20), '\0');
    if (data[0] % 3 == 1) rest[0] = 1, rest[1] = 0;
    const std::string format = rest.substr(0, 16), dataSize = rest.substr(16, 4);
    const std::string samples = rest.substr(20);
    std::string chunks =
        std::string("fmt ") + std::string("\x10\0\0\0", 4) + format + "data" + dataSize + samples;
    const uint32_t riffSize = uint32_t(chunks.size() + 4);
    std::string riff = "RIFF";
    for (int i = 0; i < 4; ++i) riff += char(riffSize >> (8 * i));
    return riff + "WAVE" + chunks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFile input("in"), output("out");
    const std::string bytes = FileBytes(data, size);
    if (write(input.fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) return 0;
    const std::string in = input.path(), out = output.path();
    ReadEverything(in);
    const double t1 = size > 0 ? data[0] / 100.0 : 0, t2 = size > 1 ? data[1] / 50.0 : 1;
    (void)Mm::Assistant::CopyWaveFile(in, out, t1, t2);
    (void)Mm::Assistant::SmoothEndsFile(in, out);
    (void)Mm::BoostBass(in, out, 120, 6);
    (void)Mm::Assistant::MixWaveFile(in, in, 40, out);
    (void)Mm::Assistant::MixVoiceMusic(in, in, 40, out);
    if (size > 0 && (data[0] & 0x18) == 0x18) {  // the normaliser's ring is slow to fill
        (void)Mm::Assistant::MixVoiceMusicAutoLevel(in, in, out);
        (void)Mm::Assistant::NormalizeVolume(in, out);
    }

    MovieObject object;
    object.type = MovieObjectType::Audio;
    object.end = 50;
    object.skip = size > 2 ? data[2] : 0;
    object.bassGain = 5;
    for (char c : std::to_string(input.fd)) object.fileName += char16_t(c);
    const std::string folder = "/proc/self/fd";
    AudioMixState state;
    state.Prepare(object);
    double l, r;
    for (uint64_t i = 0; i < 2300; ++i) (void)state.MixNextSample(object, folder, i, l, r);
    state.Close();
    return 0;
}
