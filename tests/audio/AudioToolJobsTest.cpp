#include <gtest/gtest.h>

#include "audio/AppendJob.h"
#include "audio/BoostBassJob.h"
#include "audio/CutJob.h"
#include "audio/MixJob.h"
#include "audio/NormalizeJob.h"
#include "audio/SmoothEndsJob.h"
#include "panelwick/Mm/Assistant.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

TEST(AudioToolJobs, NormalizeChecksItsInputAndReplacesAnOlderOutput) {
    TempDir dir;
    NormalizeJob job;
    ToolMessage m = job.Plan("");
    EXPECT_EQ(m.text, "Provide an audio file");
    EXPECT_EQ(m.caption, "Normalize Volume");
    m = job.Plan(dir / "none.wav");
    EXPECT_EQ(m.text, "Please provide a valid file");
    EXPECT_EQ(m.caption, "Normalize Volume");

    // The levelling computes on 16-bit samples: other files are refused before any work.
    WaveFormat eightBits;
    eightBits.bits = 8;
    Sys::WriteWholeFile(dir / "eight.wav", WaveBytes(eightBits, std::string(100, '\x80')));
    EXPECT_EQ(job.Plan(dir / "eight.wav").text, "The resolution must be 16 bits");

    WriteWave(dir / "talk.wav", Sine(20000, 1, 3000, 200), 1);
    Sys::WriteWholeFile(dir / "talk_norm.wav", "old");
    ASSERT_FALSE(job.Plan(dir / "talk.wav").failed());
    EXPECT_EQ(job.output(), dir / "talk_norm.wav");
    ASSERT_TRUE(job.Run().ok());
    EXPECT_EQ(ReadWaveSamples(job.output()).size(), 20000u);

    // A cancelled task stops the run and leaves no output.
    Mt::Task task;
    task.Cancel();
    EXPECT_TRUE(job.Run(task).stopped());
    EXPECT_FALSE(Sys::FileExists(job.output()));
}

TEST(AudioToolJobs, MixPicksItsRoutineFromTheChecks) {
    TempDir dir;
    const std::string voice = dir / "voice.wav", music = dir / "music.wav", out = dir / "out.wav";
    WriteWave(voice, Sine(30000, 2, 6000, 300), 2);
    WriteWave(music, Sine(7000, 2, 9000, 80), 2);
    MixJob job;
    ToolMessage m = job.Plan(voice, dir / "none.wav", out, 50, false, false);
    EXPECT_EQ(m.text, "Please provide a valid input file");
    EXPECT_EQ(m.caption, "Invalid Input");
    m = job.Plan(voice, music, "", 50, false, false);
    EXPECT_EQ(m.text, "Please provide a valid output file");
    EXPECT_EQ(m.caption, "Invalid Output");

    auto same = [&](const std::string& a, const std::string& b) {
        return ReadWaveSamples(a) == ReadWaveSamples(b) && !ReadWaveSamples(a).empty();
    };
    auto mix = [&](int balance, bool loop, bool autoLevel) {
        EXPECT_FALSE(job.Plan(voice, music, out, balance, loop, autoLevel).failed());
        return job.Run().ok();
    };
    // Auto Level wins over Loop and ignores the balance.
    ASSERT_TRUE(mix(30, true, true));
    ASSERT_TRUE(Mm::Assistant::MixVoiceMusicAutoLevel(voice, music, dir / "ref.wav").ok());
    EXPECT_TRUE(same(out, dir / "ref.wav"));
    // Slider 1 keeps 99 % of the voice; slider 100 keeps only the (repeating) music.
    ASSERT_TRUE(mix(1, true, false));
    ASSERT_TRUE(Mm::Assistant::MixVoiceMusic(voice, music, 99, dir / "ref.wav").ok());
    EXPECT_TRUE(same(out, dir / "ref.wav"));
    ASSERT_TRUE(mix(100, true, false));
    const std::vector<int16_t> onlyMusic = ReadWaveSamples(out);
    const std::vector<int16_t> musicSamples = ReadWaveSamples(music);
    ASSERT_EQ(onlyMusic.size(), 60000u);
    EXPECT_TRUE(std::equal(musicSamples.begin(), musicSamples.end(), onlyMusic.begin()));
    // Neither box: the plain mix at 100 - slider.
    ASSERT_TRUE(mix(25, false, false));
    ASSERT_TRUE(Mm::Assistant::MixWaveFile(voice, music, 75, dir / "ref.wav").ok());
    EXPECT_TRUE(same(out, dir / "ref.wav"));
}

TEST(AudioToolJobs, BoostSmoothCutAndAppendWriteWhereTheyShould) {
    TempDir dir;
    const std::string in = dir / "song.wav";
    WriteWave(in, Sine(3 * 44100, 2, 6000, 300), 2);
    Sys::WriteWholeFile(dir / "song_bass.wav", "old");
    BoostBassJob bass;
    ASSERT_FALSE(bass.Plan(in, 80, 6).failed());
    EXPECT_TRUE(bass.Run().ok());
    EXPECT_EQ(ReadWaveSamples(dir / "song_bass.wav").size(), 6u * 44100);
    SmoothEndsJob smooth;
    ASSERT_FALSE(smooth.Plan(in).failed());
    EXPECT_TRUE(smooth.Run().ok());
    EXPECT_EQ(ReadWaveSamples(dir / "song_smooth.wav").size(), 6u * 44100);
    EXPECT_EQ(bass.Plan(dir / "none.wav", 80, 6).caption, "Boost bass");
    EXPECT_EQ(smooth.Plan(dir / "none.wav").caption, "Reelwork");

    CutJob cut;
    ASSERT_FALSE(cut.Plan(in, 0.5, 2).failed());
    ASSERT_TRUE(cut.Run().ok());
    ASSERT_TRUE(Mm::Assistant::CopyWaveFile(in, dir / "ref.wav", 0.5, 2.0).ok());
    EXPECT_EQ(ReadWaveSamples(dir / "song_cut.wav"), ReadWaveSamples(dir / "ref.wav"));
    EXPECT_EQ(cut.Plan(dir / "none.wav", 0, 1).caption, "AudioEdit");

    AppendJob append;
    WaveFormat slow;
    slow.rate = 22050;
    Sys::WriteWholeFile(dir / "slow.wav", WaveBytes(slow, SampleBytes(Sine(100, 2, 6000, 300))));
    const ToolMessage refused = append.Plan({in, dir / "slow.wav"}, dir / "all.wav");
    EXPECT_EQ(refused.text, "All the files must have the same number of samples per second");
    EXPECT_EQ(refused.caption, "Append Audio");
    ASSERT_FALSE(append.Plan({in, dir / "song_cut.wav"}, dir / "all.wav").failed());
    ASSERT_TRUE(append.Run().ok());
    EXPECT_EQ(ReadWaveSamples(dir / "all.wav").size(),
              6u * 44100 + ReadWaveSamples(dir / "ref.wav").size());
}
