#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "panelwick/Mm/AppendWorker.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Mm/AudioKernels.h"
#include "panelwick/Mm/BoostBass.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

using Mm::Assistant;

namespace {

std::vector<int16_t> Ramp(size_t frames, uint16_t channels) {
    std::vector<int16_t> samples(frames * channels);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = int16_t(i % 20000);
    return samples;
}

int16_t Peak(const std::vector<int16_t>& s, size_t from, size_t to) {
    int peak = 0;
    for (size_t i = from; i < to; ++i) peak = std::max(peak, std::abs(int(s[i])));
    return int16_t(peak);
}

}  // namespace

TEST(Assistant, CopyTakesWholeBlocksBetweenTheTimes) {
    TempDir dir;
    const std::vector<int16_t> source = Ramp(44100, 1);
    WriteWave(dir / "in.wav", source, 1);
    ASSERT_TRUE(Assistant::CopyWaveFile(dir / "in.wav", dir / "cut.wav", 0.25, 0.5).ok());
    // 512-sample blocks: block 22 is the first to start after 0.25 s, 43 the last before 0.5 s.
    const std::vector<int16_t> expected(source.begin() + 22 * 512, source.begin() + 44 * 512);
    EXPECT_EQ(ReadWaveSamples(dir / "cut.wav"), expected);

    ASSERT_TRUE(Assistant::CopyWaveFile(dir / "in.wav", dir / "empty.wav", 5, 10).ok());
    std::string bytes;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "empty.wav", bytes));
    EXPECT_EQ(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(4, 4), std::string("\x24\0\0\0", 4));
    EXPECT_EQ(bytes.substr(40, 4), std::string(4, '\0'));
    EXPECT_EQ(Assistant::CopyWaveFile(dir / "none.wav", dir / "x.wav", 0, 1).message(),
              "WaveFile::OpenForReading - the file cannot be open");
    EXPECT_FALSE(Sys::FileExists(dir / "x.wav"));
}

TEST(Assistant, SmoothEndsOnAShortFileLetsTheFadeInWin) {
    TempDir dir;
    WriteWave(dir / "short.wav", Constant(13230, 2, 10000), 2);  // 0.3 s
    ASSERT_TRUE(Assistant::SmoothEndsFile(dir / "short.wav", dir / "out.wav").ok());
    const std::vector<int16_t> out = ReadWaveSamples(dir / "out.wav");
    ASSERT_EQ(out.size(), 13230u * 2);
    const double up = std::pow(100.0, 1.0 / 8820);
    EXPECT_EQ(out[0], int16_t(10000 * (0.01 * up) + 0.5));
    EXPECT_EQ(out[1], out[0]);
    // Frames 4411 to 8819 lie after the fade-out start but still fade in.
    for (size_t k = 4411; k <= 8819; ++k) ASSERT_GE(out[2 * k], out[2 * (k - 1)]) << k;
    EXPECT_EQ(out[2 * 8819], 10000);
    EXPECT_LT(out[2 * 8820], 10000);
    EXPECT_NEAR(out[2 * 13229], 1000, 2);  // 4410 frames of fade-out: -20 dB

    // In the middle of a longer file the gain is 1; adding 0.5 before truncating moves
    // negative samples up by one.
    WriteWave(dir / "long.wav", Constant(44100, 1, -10000), 1);
    ASSERT_TRUE(Assistant::SmoothEndsFile(dir / "long.wav", dir / "out.wav").ok());
    const std::vector<int16_t> mono = ReadWaveSamples(dir / "out.wav");
    EXPECT_EQ(mono[20000], -9999);
    EXPECT_EQ(mono[0], int16_t(-10000 * (0.01 * up) + 0.5));
}

TEST(Assistant, NormalizeKeepsTheFrameCountAndRaisesQuietSound) {
    TempDir dir;
    WriteWave(dir / "quiet.wav", Sine(100000, 2, 3000, 300), 2);
    ASSERT_TRUE(Assistant::NormalizeVolume(dir / "quiet.wav", dir / "loud.wav").ok());
    const std::vector<int16_t> out = ReadWaveSamples(dir / "loud.wav");
    ASSERT_EQ(out.size(), 200000u);
    EXPECT_NEAR(Peak(out, 20000, 180000), 31743, 300);
    EXPECT_LE(Peak(out, 0, out.size()), 31743);

    // Shorter than the ring: exactly the input's own frames come out, levelled.
    std::vector<int16_t> shortInput = Constant(1000, 1, 3000);
    shortInput[0] = 1500;
    WriteWave(dir / "short.wav", shortInput, 1);
    ASSERT_TRUE(Assistant::NormalizeVolume(dir / "short.wav", dir / "short_norm.wav").ok());
    const std::vector<int16_t> levelled = ReadWaveSamples(dir / "short_norm.wav");
    ASSERT_EQ(levelled.size(), 1000u);
    EXPECT_EQ(levelled[0], 31743 / 2);
    EXPECT_EQ(levelled[999], 31743);

    Sys::WriteWholeFile(dir / "three.wav", WaveBytes({.channels = 3}, std::string(600, '\1')));
    EXPECT_EQ(Assistant::NormalizeVolume(dir / "three.wav", dir / "n.wav").message(),
              "Mm::Assistant::NormalizeVolume the number of channels must be one or two");
    EXPECT_FALSE(Sys::FileExists(dir / "n.wav"));
}

TEST(Assistant, MixWaveFileWeighsAAgainstB) {
    TempDir dir;
    WriteWave(dir / "a.wav", Constant(88200, 2, 1000), 2);
    WriteWave(dir / "b.wav", Constant(44100, 2, -2000), 2);
    ASSERT_TRUE(Assistant::MixWaveFile(dir / "a.wav", dir / "b.wav", 150, dir / "o.wav").ok());
    EXPECT_EQ(ReadWaveSamples(dir / "o.wav"), Constant(88200, 2, 1000));
    ASSERT_TRUE(Assistant::MixWaveFile(dir / "a.wav", dir / "b.wav", 0, dir / "o.wav").ok());
    std::vector<int16_t> onlyB = Constant(88200, 2, 0);
    std::fill(onlyB.begin(), onlyB.begin() + 88200, -2000);
    EXPECT_EQ(ReadWaveSamples(dir / "o.wav"), onlyB);
    ASSERT_TRUE(Assistant::MixWaveFile(dir / "a.wav", dir / "b.wav", 30, dir / "o.wav").ok());
    const std::vector<int16_t> mixed = ReadWaveSamples(dir / "o.wav");
    EXPECT_EQ(mixed[0], 300 - 1400);
    EXPECT_EQ(mixed[88199], -1100);
    EXPECT_EQ(mixed[88200], 300);

    WriteWave(dir / "odd.wav", Constant(10, 2, 7), 2);
    WriteWave(dir / "even.wav", Constant(10, 2, -7), 2);
    ASSERT_TRUE(Assistant::MixWaveFile(dir / "odd.wav", dir / "even.wav", 50, dir / "o.wav").ok());
    EXPECT_EQ(ReadWaveSamples(dir / "o.wav"), Constant(10, 2, 0));  // 3 + -3

    WriteWave(dir / "mono.wav", Constant(100, 1, 5), 1);
    EXPECT_EQ(Assistant::MixWaveFile(dir / "a.wav", dir / "mono.wav", 50, dir / "o.wav").message(),
              "Mm::Assistant::MixWaveFile Both file must have the same number of channels");
    EXPECT_FALSE(Sys::FileExists(dir / "o.wav"));  // the old output is gone too
    Sys::WriteWholeFile(dir / "48k.wav", WaveBytes({.rate = 48000}, std::string(400, '\1')));
    EXPECT_EQ(Assistant::MixWaveFile(dir / "48k.wav", dir / "48k.wav", 50, dir / "o.wav").message(),
              "Mm::Assistant::MixWaveFile The input file A must be 44100 Hz");
    EXPECT_EQ(Assistant::MixWaveFile(dir / "a.wav", dir / "48k.wav", 50, dir / "o.wav").message(),
              "Mm::Assistant::MixWaveFile The input file B must be 44100 Hz");
}

TEST(Assistant, MixVoiceMusicRepeatsTheMusicUnderALongerVoice) {
    TempDir dir;
    WriteWave(dir / "voice.wav", Constant(441000, 1, 1000), 1);  // 10 s mono
    const std::vector<int16_t> music = Ramp(132300, 2);          // 3 s stereo
    WriteWave(dir / "music.wav", music, 2);
    ASSERT_TRUE(
        Assistant::MixVoiceMusic(dir / "voice.wav", dir / "music.wav", 50, dir / "o.wav").ok());
    uint16_t channels = 0;
    const std::vector<int16_t> out = ReadWaveSamples(dir / "o.wav", &channels);
    EXPECT_EQ(channels, 2);
    ASSERT_EQ(out.size(), 441000u * 2);
    for (size_t f : {size_t(0), size_t(1), size_t(132299), size_t(132300), size_t(132301),
                     size_t(3 * 132300 + 5), size_t(440999)}) {
        for (size_t c = 0; c < 2; ++c) {
            ASSERT_EQ(out[2 * f + c], 500 + music[2 * (f % 132300) + c] * 50 / 100) << f;
        }
    }
    Sys::WriteWholeFile(dir / "8.wav", WaveBytes({.bits = 8}, std::string(400, '\1')));
    EXPECT_EQ(
        Assistant::MixVoiceMusic(dir / "voice.wav", dir / "8.wav", 50, dir / "o.wav").message(),
        "The music file must have a resolution of 16 bits");
    EXPECT_EQ(
        Assistant::MixVoiceMusicAutoLevel(dir / "8.wav", dir / "8.wav", dir / "o.wav").message(),
        "The voice file must have a resolution of 16 bits");
}

TEST(Assistant, AutoLevelMixDucksTheMusicOnBothChannels) {
    TempDir dir;
    std::vector<int16_t> voice = Constant(88200, 2, 0);  // 2 s: 1 s silent, then loud
    std::fill(voice.begin() + 88200, voice.end(), 20000);
    WriteWave(dir / "voice.wav", voice, 2);
    std::vector<int16_t> music(44100 * 2);
    for (size_t f = 0; f < 44100; ++f) {
        music[2 * f] = 1000;
        music[2 * f + 1] = -1000;
    }
    WriteWave(dir / "music.wav", music, 2);
    ASSERT_TRUE(
        Assistant::MixVoiceMusicAutoLevel(dir / "voice.wav", dir / "music.wav", dir / "o.wav")
            .ok());
    const std::vector<int16_t> out = ReadWaveSamples(dir / "o.wav");
    ASSERT_EQ(out.size(), voice.size());
    // The level follows the voice one ring length late; the ring starts at half scale.
    EXPECT_EQ(out[0], 31);
    EXPECT_EQ(out[1], -31);
    EXPECT_EQ(out[2 * 40000], 953);
    EXPECT_EQ(out[2 * 40000 + 1], -953);
    const size_t late = 44100 + 32768 + 10;
    EXPECT_EQ(out[2 * late], 1000 * 31 / 1000 + 20000 * 969 / 1000);
    EXPECT_EQ(out[2 * late + 1], -1000 * 31 / 1000 + 20000 * 969 / 1000);
}

TEST(Assistant, BoostBassKeepsTheBassAndCutsTheHighs) {
    TempDir dir;
    std::vector<int16_t> tones = Sine(44100, 2, 10000, 30);
    const std::vector<int16_t> high = Sine(44100, 2, 10000, 5000);
    tones.insert(tones.end(), high.begin(), high.end());
    WriteWave(dir / "in.wav", tones, 2);
    std::vector<int16_t> square(44100);
    for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 22) % 2 ? 32767 : -32768;
    WriteWave(dir / "mono.wav", square, 1);
    std::vector<std::vector<int16_t>> results;
    for (const Mm::AudioKernels* table : {&Mm::AudioKernels::Plain(), &Mm::AudioKernels::Sse2()}) {
        Mm::AudioKernels::SetActive(*table);
        ASSERT_TRUE(Mm::BoostBass(dir / "in.wav", dir / "out.wav", 120, 12).ok());
        results.push_back(ReadWaveSamples(dir / "out.wav"));
    }
    Mm::AudioKernels::SetActive(Mm::AudioKernels::For(Sys::ChosenCpuLevel()));
    EXPECT_EQ(results[0], results[1]);
    const std::vector<int16_t>& out = results[0];
    ASSERT_EQ(out.size(), tones.size());
    EXPECT_NEAR(Peak(out, 20000, 88200), 10000, 100);
    EXPECT_NEAR(Peak(out, 88200 + 20000, out.size()), 10000 / 3.98, 100);  // -12 dB
    // Cutting the bass of a full-scale square wave overshoots: clamped to -32767..32767.
    ASSERT_TRUE(Mm::BoostBass(dir / "mono.wav", dir / "m.wav", 120, -20).ok());
    const std::vector<int16_t> clamped = ReadWaveSamples(dir / "m.wav");
    EXPECT_EQ(*std::max_element(clamped.begin(), clamped.end()), 32767);
    EXPECT_EQ(*std::min_element(clamped.begin(), clamped.end()), -32767);

    Sys::WriteWholeFile(dir / "three.wav", WaveBytes({.channels = 3}, std::string(600, '\1')));
    EXPECT_EQ(Mm::BoostBass(dir / "three.wav", dir / "b.wav", 120, 6).message(),
              "BoostBass the number of channels must be one or two");
}

TEST(Assistant, AppendJoinsTheFilesInOrder) {
    TempDir dir;
    WriteWave(dir / "1.wav", Constant(1000, 1, 1), 1);
    WriteWave(dir / "2.wav", Constant(5001, 1, 2), 1);
    WriteWave(dir / "3.wav", Constant(3, 1, 3), 1);
    Mt::Task task;
    ASSERT_TRUE(
        Mm::AppendWaveFiles({dir / "1.wav", dir / "2.wav", dir / "3.wav"}, dir / "all.wav", task)
            .ok());
    std::vector<int16_t> expected = Constant(1000, 1, 1);
    expected.resize(6001, 2);
    expected.resize(6004, 3);
    EXPECT_EQ(ReadWaveSamples(dir / "all.wav"), expected);
    EXPECT_EQ(task.progress(), 1.0);

    task.Cancel();
    EXPECT_EQ(Mm::AppendWaveFiles({dir / "1.wav", dir / "2.wav"}, dir / "s.wav", task).message(),
              Mt::kStoppedMessage);
    EXPECT_FALSE(Sys::FileExists(dir / "s.wav"));
    EXPECT_EQ(Mm::AppendWaveFiles({dir / "1.wav", dir / "none.wav"}, dir / "s.wav").message(),
              "WaveFile::OpenForReading - the file cannot be open");
    EXPECT_FALSE(Sys::FileExists(dir / "s.wav"));
}
