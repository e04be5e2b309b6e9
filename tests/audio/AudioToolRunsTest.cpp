#include <gtest/gtest.h>

#include "audio/AudioToolRuns.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

TEST(AudioToolRuns, NormalizeChecksItsInputAndReplacesAnOlderOutput) {
    TempDir dir;
    std::string output;
    ToolMessage m = CheckNormalizeInput("", output);
    EXPECT_EQ(m.text, "Provide an audio file");
    EXPECT_EQ(m.caption, "Normalize Volume");
    m = CheckNormalizeInput(dir / "none.wav", output);
    EXPECT_EQ(m.text, "Please provide a valid file");
    EXPECT_EQ(m.caption, "Normalize Volume");

    WriteWave(dir / "talk.wav", Sine(20000, 1, 3000, 200), 1);
    Sys::WriteWholeFile(dir / "talk_norm.wav", "old");
    ASSERT_FALSE(CheckNormalizeInput(dir / "talk.wav", output).failed());
    EXPECT_EQ(output, dir / "talk_norm.wav");
    ASSERT_TRUE(RunNormalize(dir / "talk.wav", output).ok());
    EXPECT_EQ(ReadWaveSamples(output).size(), 20000u);
}

TEST(AudioToolRuns, MixPicksItsRoutineFromTheChecks) {
    TempDir dir;
    const std::string voice = dir / "voice.wav", music = dir / "music.wav", out = dir / "out.wav";
    WriteWave(voice, Sine(30000, 2, 6000, 300), 2);
    WriteWave(music, Sine(7000, 2, 9000, 80), 2);
    ToolMessage m = CheckMixFiles(voice, dir / "none.wav", out);
    EXPECT_EQ(m.text, "Please provide a valid input file");
    EXPECT_EQ(m.caption, "Invalid Input");
    m = CheckMixFiles(voice, music, "");
    EXPECT_EQ(m.text, "Please provide a valid output file");
    EXPECT_EQ(m.caption, "Invalid Output");
    EXPECT_FALSE(CheckMixFiles(voice, music, out).failed());

    auto same = [&](const std::string& a, const std::string& b) {
        return ReadWaveSamples(a) == ReadWaveSamples(b) && !ReadWaveSamples(a).empty();
    };
    // Auto Level wins over Loop and ignores the balance.
    ASSERT_TRUE(RunMix(voice, music, out, 30, true, true).ok());
    ASSERT_TRUE(Mm::Assistant::MixVoiceMusicAutoLevel(voice, music, dir / "ref.wav").ok());
    EXPECT_TRUE(same(out, dir / "ref.wav"));
    // Slider 1 keeps 99 % of the voice; slider 100 keeps only the (repeating) music.
    ASSERT_TRUE(RunMix(voice, music, out, 1, true, false).ok());
    ASSERT_TRUE(Mm::Assistant::MixVoiceMusic(voice, music, 99, dir / "ref.wav").ok());
    EXPECT_TRUE(same(out, dir / "ref.wav"));
    ASSERT_TRUE(RunMix(voice, music, out, 100, true, false).ok());
    const std::vector<int16_t> onlyMusic = ReadWaveSamples(out);
    const std::vector<int16_t> musicSamples = ReadWaveSamples(music);
    ASSERT_EQ(onlyMusic.size(), 60000u);
    EXPECT_TRUE(std::equal(musicSamples.begin(), musicSamples.end(), onlyMusic.begin()));
    // Neither box: the plain mix at 100 - slider.
    ASSERT_TRUE(RunMix(voice, music, out, 25, false, false).ok());
    ASSERT_TRUE(Mm::Assistant::MixWaveFile(voice, music, 75, dir / "ref.wav").ok());
    EXPECT_TRUE(same(out, dir / "ref.wav"));
}

TEST(AudioToolRuns, BoostSmoothAndCutWriteBesideTheInput) {
    TempDir dir;
    const std::string in = dir / "song.wav";
    WriteWave(in, Sine(3 * 44100, 2, 6000, 300), 2);
    Sys::WriteWholeFile(dir / "song_bass.wav", "old");
    EXPECT_FALSE(RunBoostBass(in, 80, 6).failed());
    EXPECT_EQ(ReadWaveSamples(dir / "song_bass.wav").size(), 6u * 44100);
    EXPECT_FALSE(RunSmoothEnds(in).failed());
    EXPECT_EQ(ReadWaveSamples(dir / "song_smooth.wav").size(), 6u * 44100);
    EXPECT_EQ(RunBoostBass(dir / "none.wav", 80, 6).caption, "Boost bass");
    EXPECT_EQ(RunSmoothEnds(dir / "none.wav").caption, "Reelwork");
    EXPECT_TRUE(RunSmoothEnds(dir / "none.wav").failed());

    // The cut's times are minutes x 60 + seconds.
    ASSERT_FALSE(RunCut(in, 0, 0.5, 0, 2).failed());
    ASSERT_TRUE(Mm::Assistant::CopyWaveFile(in, dir / "ref.wav", 0.5, 2.0).ok());
    EXPECT_EQ(ReadWaveSamples(dir / "song_cut.wav"), ReadWaveSamples(dir / "ref.wav"));
    const ToolMessage bad = RunCut("x", 0, 0, 0, 1);
    EXPECT_EQ(bad.text, "Unable to extract path");
    EXPECT_EQ(bad.caption, "AudioEdit");
}
