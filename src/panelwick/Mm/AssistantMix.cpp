#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "panelwick/Mm/Assistant.h"
#include "panelwick/Mm/AutoLevel.h"
#include "panelwick/Mm/OutputGuard.h"
#include "panelwick/Mm/SampleMix.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"

namespace Mm {
namespace {

constexpr int32_t kBlockBytes = 32768;

// The checks both voice-and-music mixes make, voice first.
Sys::Result CheckVoiceAndMusic(const WaveFile& voice, const WaveFile& music) {
    if (voice.samplesPerSecond() != 44100) return "The voice file must be 44100 Hz";
    if (voice.bitsPerSample() != 16) return "The voice file must have a resolution of 16 bits";
    if (voice.channels() != 1 && voice.channels() != 2) {
        return "The voice file must have one or two channels";
    }
    if (music.samplesPerSecond() != 44100) return "The music file must be 44100 Hz";
    if (music.bitsPerSample() != 16) return "The music file must have a resolution of 16 bits";
    if (music.channels() != 1 && music.channels() != 2) {
        return "The music file must have one or two channels";
    }
    return {};
}

// Reads the next blocks of voice and repeating music as frames of the output's channel count
// (a mono input is spread over both channels of a stereo output).
class VoiceMusicReader {
public:
    VoiceMusicReader(WaveFile& voice, WaveFile& music)
        : voice_(voice),
          music_(music),
          remaining_(voice.dataBytes()),
          channels_(std::max(voice.channels(), music.channels())) {
        // A mono voice under stereo music reads half a block, so that both give the same
        // number of output samples.
        const int32_t voiceBytes =
            voice.channels() == 1 && music.channels() == 2 ? kBlockBytes / 2 : kBlockBytes;
        frames_ = voiceBytes / (2 * voice.channels());
        voiceRaw_.resize(size_t(frames_ * voice.channels()));
        musicRaw_.resize(size_t(frames_ * music.channels()));
        voiceOut_.resize(size_t(frames_ * channels_));
        musicOut_.resize(size_t(frames_ * channels_));
    }

    int channels() const { return channels_; }
    double done() const { return 1.0 - double(remaining_) / voice_.dataBytes(); }
    const int16_t* voice() const { return voiceOut_.data(); }
    const int16_t* music() const { return musicOut_.data(); }

    // The frame count of the next pass; 0 when the voice is used up. A pass whose music read
    // gives nothing sets skip.
    int32_t Next(bool& skip) {
        skip = false;
        if (remaining_ == 0) return 0;
        const int32_t voiceFrameBytes = 2 * voice_.channels();
        const int32_t want =
            int32_t(std::min<uint32_t>(uint32_t(frames_ * voiceFrameBytes), remaining_));
        const int32_t got = voice_.Read(voiceRaw_.data(), want);
        if (got <= 0) return 0;
        remaining_ -= uint32_t(got);
        const int32_t frames = got / voiceFrameBytes;
        const int32_t musicBytes = frames * 2 * music_.channels();
        std::fill(musicRaw_.begin(), musicRaw_.end(), 0);
        skip = musicBytes > 0 && music_.ReadLooping(musicRaw_.data(), musicBytes) <= 0;
        Spread(voiceRaw_.data(), voice_.channels(), frames, voiceOut_.data());
        Spread(musicRaw_.data(), music_.channels(), frames, musicOut_.data());
        return frames;
    }

private:
    void Spread(const int16_t* in, int inChannels, int32_t frames, int16_t* out) const {
        if (inChannels == channels_) {
            std::memcpy(out, in, size_t(frames * channels_) * 2);
            return;
        }
        for (int32_t f = 0; f < frames; ++f) out[2 * f] = out[2 * f + 1] = in[f];
    }

    WaveFile& voice_;
    WaveFile& music_;
    uint32_t remaining_;
    int channels_;
    int32_t frames_;
    std::vector<int16_t> voiceRaw_, musicRaw_, voiceOut_, musicOut_;
};

// Deletes an old output, opens both inputs and runs the checks; then creates the output.
template <typename Check>
Sys::Result OpenInputs(const Assistant::Path& first, WaveFile& a, const Assistant::Path& second,
                       WaveFile& b, const Assistant::Path& out, Check check) {
    Sys::DeleteFile(out);
    if (Sys::Result r = a.OpenForReading(first); r.failed()) return r;
    if (Sys::Result r = b.OpenForReading(second); r.failed()) return r;
    return check(a, b);
}

}  // namespace

Sys::Result Assistant::MixWaveFile(const Path& a, const Path& b, int32_t balance, const Path& out,
                                   Mt::Task& task) {
    balance = std::clamp(balance, 0, 100);
    WaveFile inA, inB, output;
    Sys::Result result =
        OpenInputs(a, inA, b, inB, out, [](const WaveFile& fa, const WaveFile& fb) {
            if (fa.samplesPerSecond() != 44100) {
                return Sys::Result("Mm::Assistant::MixWaveFile The input file A must be 44100 Hz");
            }
            if (fa.bitsPerSample() != 16) {
                return Sys::Result(
                    "Mm::Assistant::MixWaveFile The input file A must have a resolution of 16 "
                    "bits");
            }
            if (fa.channels() != 1 && fa.channels() != 2) {
                return Sys::Result(
                    "Mm::Assistant::MixWaveFile The input file A must have one or two channels");
            }
            if (fb.samplesPerSecond() != 44100) {
                return Sys::Result("Mm::Assistant::MixWaveFile The input file B must be 44100 Hz");
            }
            if (fb.bitsPerSample() != 16) {
                return Sys::Result(
                    "Mm::Assistant::MixWaveFile The input file B must have a resolution of 16 "
                    "bits");
            }
            if (fb.channels() != fa.channels()) {
                return Sys::Result(
                    "Mm::Assistant::MixWaveFile Both file must have the same number of channels");
            }
            return Sys::Result();
        });
    if (result.ok()) result = output.OpenForWritting(44100, inA.channels(), 16, out);
    if (result.failed()) return result;
    OutputGuard guard(output, out);
    std::vector<int16_t> blockA(kBlockBytes / 2), blockB(kBlockBytes / 2), mixed(kBlockBytes / 2);
    uint32_t remainingA = inA.dataBytes(), remainingB = inB.dataBytes();
    const double total = double(remainingA) + double(remainingB);
    auto read = [](WaveFile& file, uint32_t& remaining, std::vector<int16_t>& block) {
        if (remaining == 0) return 0;
        const int32_t n =
            file.Read(block.data(), int32_t(std::min<uint32_t>(kBlockBytes, remaining)));
        if (n <= 0) return 0;
        remaining -= uint32_t(n);
        return n;
    };
    for (;;) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        const int32_t na = read(inA, remainingA, blockA);
        const int32_t nb = read(inB, remainingB, blockB);
        if (na == 0 && nb == 0) break;
        const int32_t longer = std::max(na, nb);
        // The shorter block is padded with zeros (an odd byte count pads its last sample).
        const size_t samples = size_t(longer + 1) / 2;
        std::fill(reinterpret_cast<uint8_t*>(blockA.data()) + na,
                  reinterpret_cast<uint8_t*>(blockA.data() + samples), 0);
        std::fill(reinterpret_cast<uint8_t*>(blockB.data()) + nb,
                  reinterpret_cast<uint8_t*>(blockB.data() + samples), 0);
        MixSamples(blockB.data(), 100 - balance, blockA.data(), balance, 100, mixed.data(),
                   samples);
        (void)output.Write(mixed.data(), longer);
        task.SetProgress(1.0 - (double(remainingA) + double(remainingB)) / total);
    }
    return guard.Finish();
}

Sys::Result Assistant::MixVoiceMusic(const Path& voice, const Path& music, int32_t voicePercent,
                                     const Path& out, Mt::Task& task) {
    voicePercent = std::clamp(voicePercent, 0, 100);
    WaveFile inVoice, inMusic, output;
    Sys::Result result = OpenInputs(voice, inVoice, music, inMusic, out, CheckVoiceAndMusic);
    if (result.failed()) return result;
    VoiceMusicReader reader(inVoice, inMusic);
    result = output.OpenForWritting(44100, uint16_t(reader.channels()), 16, out);
    if (result.failed()) return result;
    OutputGuard guard(output, out);
    std::vector<int16_t> mixed(kBlockBytes / 2);
    bool skip;
    while (int32_t frames = reader.Next(skip)) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        if (skip) continue;
        const size_t samples = size_t(frames * reader.channels());
        MixSamples(reader.voice(), voicePercent, reader.music(), 100 - voicePercent, 100,
                   mixed.data(), samples);
        (void)output.Write(mixed.data(), int32_t(samples * 2));
        task.SetProgress(reader.done());
    }
    return guard.Finish();
}

Sys::Result Assistant::MixVoiceMusicAutoLevel(const Path& voice, const Path& music, const Path& out,
                                              Mt::Task& task) {
    WaveFile inVoice, inMusic, output;
    Sys::Result result = OpenInputs(voice, inVoice, music, inMusic, out, CheckVoiceAndMusic);
    if (result.failed()) return result;
    VoiceMusicReader reader(inVoice, inMusic);
    result = output.OpenForWritting(44100, uint16_t(reader.channels()), 16, out);
    if (result.failed()) return result;
    OutputGuard guard(output, out);
    auto tracker = std::make_unique<AutoLevel>();
    tracker->SetReleaseRate(-6.0);
    const int channels = reader.channels();
    const bool stereoVoice = inVoice.channels() == 2;
    std::vector<int16_t> mixed(kBlockBytes / 2);
    bool skip;
    while (int32_t frames = reader.Next(skip)) {
        if (task.Cancelled()) return Mt::kStoppedMessage;
        if (skip) continue;
        const int16_t* v = reader.voice();
        const int16_t* m = reader.music();
        for (int32_t f = 0; f < frames; ++f) {
            const int32_t at = f * channels;
            const int32_t level = tracker->TrackEnvelope(v[at], stereoVoice ? v[at + 1] : 0);
            const int32_t w = MusicWeight(level);
            for (int c = 0; c < channels; ++c) {
                mixed[size_t(at + c)] =
                    int16_t(m[at + c] * w / 1000 + v[at + c] * (1000 - w) / 1000);
            }
        }
        (void)output.Write(mixed.data(), int32_t(frames * channels * 2));
        task.SetProgress(reader.done());
    }
    return guard.Finish();
}

}  // namespace Mm
