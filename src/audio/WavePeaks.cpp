#include "audio/WavePeaks.h"

#include <algorithm>
#include <cstdlib>

#include "panelwick/Mm/WaveFile.h"

namespace {

// Folds samples into peaks: `frame` counts the frames of the current 10 ms block.
class PeakFolder {
public:
    PeakFolder(uint16_t channels, uint32_t rate)
        : channels_(channels), framesPerPeak_(std::max<uint32_t>(1, rate / 100)) {}

    void Add(int magnitude) {  // one sample, 0..32768
        largest_ = std::max(largest_, magnitude);
        if (++channel_ < channels_) return;
        channel_ = 0;
        if (++frame_ < framesPerPeak_) return;
        Flush();
    }
    void Flush() {
        if (frame_ == 0 && channel_ == 0) return;
        peaks_.push_back(uint8_t(std::min(255, (largest_ * 255 + 16384) / 32768)));
        largest_ = 0;
        frame_ = 0;
        channel_ = 0;
    }
    std::vector<uint8_t>& peaks() { return peaks_; }

private:
    uint16_t channels_;
    uint32_t framesPerPeak_;
    uint32_t frame_ = 0;
    uint16_t channel_ = 0;
    int largest_ = 0;
    std::vector<uint8_t> peaks_;
};

}  // namespace

uint8_t WavePeaks::Max(uint32_t fromMs, uint32_t toMs) const {
    const size_t from = fromMs / kMsPerPeak;
    const size_t to = std::min(peaks.size(), size_t(toMs / kMsPerPeak) + 1);
    uint8_t largest = 0;
    for (size_t i = from; i < to; ++i) largest = std::max(largest, peaks[i]);
    return largest;
}

WavePeaks WavePeaks::FromSamples(const int16_t* samples, size_t frames, uint16_t channels,
                                 uint32_t rate) {
    PeakFolder folder(std::max<uint16_t>(1, channels), rate);
    for (size_t i = 0; i < frames * channels; ++i) folder.Add(std::abs(int(samples[i])));
    folder.Flush();
    WavePeaks result;
    result.peaks = std::move(folder.peaks());
    return result;
}

Sys::Result WavePeaks::Compute(const std::filesystem::path& path, WavePeaks& result,
                               Mt::Task& task) {
    Mm::WaveFile file;
    if (Sys::Result opened = file.OpenForReading(path); opened.failed()) return opened;
    const uint16_t bits = file.bitsPerSample();
    if ((bits != 8 && bits != 16) || file.channels() == 0 || file.samplesPerSecond() == 0) {
        return "The sound file " + path.string() + " is not 8- or 16-bit PCM.";
    }
    PeakFolder folder(file.channels(), file.samplesPerSecond());
    const uint64_t total = std::max<uint64_t>(1, file.unreadBytes());
    uint64_t done = 0;
    std::vector<uint8_t> block(1 << 16);
    int carry = -1;
    for (;;) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        const int32_t got = file.Read(block.data(), int32_t(block.size()));
        if (got < 0) return "The sound file " + path.string() + " cannot be read.";
        if (got == 0) break;
        if (bits == 8) {
            for (int32_t i = 0; i < got; ++i) folder.Add(std::abs(int(block[i]) - 128) * 256);
        } else {  // a read may end inside a sample: its first byte waits for the next read
            int32_t i = 0;
            if (carry >= 0) {
                folder.Add(std::abs(int(int16_t(carry | (block[0] << 8)))));
                carry = -1;
                i = 1;
            }
            for (; i + 1 < got; i += 2) {
                folder.Add(std::abs(int(int16_t(block[i] | (block[i + 1] << 8)))));
            }
            if (i < got) carry = block[i];
        }
        done += uint64_t(got);
        task.SetProgress(double(done) / double(total));
    }
    folder.Flush();
    result.peaks = std::move(folder.peaks());
    return Sys::Result::Ok();
}
