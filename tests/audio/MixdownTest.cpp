#include <algorithm>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "audio/SoundtrackMixdown.h"
#include "panelwick/Mm/AudioKernels.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/MovieFrameCount.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

namespace {

MovieObject Audio(const std::u16string& file, uint32_t begin, uint32_t end, bool fades = false) {
    MovieObject o;
    o.type = MovieObjectType::Audio;
    o.fileName = file;
    o.begin = begin;
    o.end = end;
    if (!fades) o.beginState.fadeRate = o.endState.fadeRate = 0;  // full level all along
    return o;
}

class Mixdown : public ::testing::Test {
protected:
    Mixdown() { properties.normalizeVolume = false; }

    std::vector<int16_t> Mix(const std::vector<MovieObject>& objects) {
        Mt::Task progress;
        const Sys::Result result =
            MixSoundtrack(objects, properties, dir.path().string(), dir / "movie.wav", progress);
        EXPECT_EQ(result.message(), "");
        EXPECT_EQ(progress.progress(), 1.0);
        uint16_t channels = 0;
        std::vector<int16_t> samples = ReadWaveSamples(dir / "movie.wav", &channels);
        EXPECT_EQ(channels, 2);
        return samples;
    }

    TempDir dir;
    MovieProperties properties;
};

int Left(const std::vector<int16_t>& s, size_t frame) {
    return s.at(2 * frame);
}
int Right(const std::vector<int16_t>& s, size_t frame) {
    return s.at(2 * frame + 1);
}

}  // namespace

TEST_F(Mixdown, TwoOverlappingObjectsAreHalvedEverywhere) {
    WriteWave(dir / "a.wav", Constant(5 * 44100, 2, 10000), 2);
    WriteWave(dir / "b.wav", Constant(5 * 44100, 1, 8000), 1);
    const std::vector<int16_t> out = Mix({Audio(u"a.wav", 0, 4000), Audio(u"b.wav", 2000, 6000)});
    ASSERT_EQ(out.size(), 6u * 44100 * 2);
    EXPECT_EQ(Left(out, 44100), 5000);
    EXPECT_EQ(Right(out, 3 * 44100), 9000);
    EXPECT_EQ(Left(out, 5 * 44100), 4000);
}

TEST_F(Mixdown, AnObjectSoundsOnlyBetweenItsTimesAndWhileItsFileLasts) {
    WriteWave(dir / "a.wav", Constant(10 * 44100, 2, 1000), 2);
    WriteWave(dir / "two.wav", Constant(2 * 44100, 2, 500), 2);
    MovieObject picture;
    picture.end = 10000;
    const std::vector<int16_t> out = Mix({picture, Audio(u"a.wav", 2000, 5000)});
    ASSERT_EQ(out.size(), 10u * 44100 * 2);
    for (size_t f = 0; f < out.size() / 2; ++f) {
        ASSERT_EQ(Left(out, f), f >= 88200 && f <= 220500 ? 1000 : 0) << f;
    }
    const std::vector<int16_t> shortFile = Mix({Audio(u"two.wav", 0, 5000)});
    EXPECT_EQ(Left(shortFile, 88199), 500);
    EXPECT_EQ(Left(shortFile, 88200), 0);
    EXPECT_EQ(Right(shortFile, 4 * 44100), 0);
}

TEST_F(Mixdown, SkipLevelRampsAndFades) {
    std::vector<int16_t> ramp(100000);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = int16_t(i % 30000);
    WriteWave(dir / "ramp.wav", ramp, 1);
    MovieObject skipped = Audio(u"ramp.wav", 0, 1000);
    skipped.skip = 1500;
    EXPECT_EQ(Left(Mix({skipped}), 0), 66150 % 30000);

    WriteWave(dir / "c.wav", Constant(5 * 44100, 2, 10000), 2);
    MovieObject ramped = Audio(u"c.wav", 0, 4000);
    ramped.endState.volumeLeft = -20;
    const std::vector<int16_t> levels = Mix({ramped});
    EXPECT_EQ(Left(levels, 44100), int(std::floor(10000 * std::pow(10.0, -5.0 / 20))));
    EXPECT_EQ(Left(levels, 88200), int(std::floor(10000 * std::pow(10.0, -10.0 / 20))));
    EXPECT_EQ(Right(levels, 88200), 10000);

    // Default fades: -45 dB at the start, full level after about 22.5 ms, and the fade-out
    // starts 22.5 ms before the end.
    const std::vector<int16_t> faded = Mix({Audio(u"c.wav", 0, 1000, true)});
    EXPECT_EQ(Left(faded, 0), int(std::floor(10000 * std::pow(10.0, -2.25))));
    EXPECT_LT(Left(faded, 980), 10000);
    EXPECT_EQ(Left(faded, 1000), 10000);
    EXPECT_EQ(Left(faded, 43100), 10000);
    EXPECT_LT(Left(faded, 43200), 10000);

    // A fade-out of -50 dB per second on 0.5 s would start before the object: near silence.
    MovieObject slow = Audio(u"c.wav", 0, 500, true);
    slow.endState.fadeRate = -50;
    const std::vector<int16_t> quiet = Mix({slow});
    EXPECT_LE(*std::max_element(quiet.begin(), quiet.end()), 57);
}

TEST_F(Mixdown, NormalizerKeepsTheLengthAndRaisesAQuietVoice) {
    properties.normalizeVolume = true;
    properties.fps = 24;
    WriteWave(dir / "voice.wav", Sine(44100, 1, 2000, 200), 1);
    const std::vector<int16_t> out = Mix({Audio(u"voice.wav", 0, 500, true)});
    ASSERT_EQ(out.size(), 22050u * 2);
    const int peak = *std::max_element(out.begin() + 4000, out.begin() + 40000);
    EXPECT_GE(peak, 31400);
    EXPECT_LE(peak, 31743);
}

TEST_F(Mixdown, UnreadableFilesAndShortObjectsGiveSilenceNotErrors) {
    WaveFormat fast;
    fast.rate = 48000;
    Sys::WriteWholeFile(dir / "48k.wav", WaveBytes(fast, SampleBytes(Constant(48000, 2, 100))));
    WriteWave(dir / "c.wav", Constant(44100, 2, 3000), 2);
    std::vector<int16_t> out = Mix({Audio(u"none.wav", 0, 1000), Audio(u"48k.wav", 0, 1000)});
    ASSERT_EQ(out.size(), 44100u * 2);
    EXPECT_EQ(*std::max_element(out.begin(), out.end()), 0);
    // Between two frame times (every 40 ms): no frame counts it, the sums are divided by 1.
    MovieObject picture;
    out = Mix({picture, Audio(u"c.wav", 10, 20)});
    EXPECT_EQ(Left(out, 440), 0);
    EXPECT_EQ(Left(out, 441), 3000);
    EXPECT_EQ(Left(out, 882), 3000);
    EXPECT_EQ(Left(out, 883), 0);
}

TEST_F(Mixdown, WritesNothingWithoutAudioAndReportsAnOutputItCannotCreate) {
    Mt::Task progress;
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "movie.wav", "old"));
    EXPECT_TRUE(
        MixSoundtrack({MovieObject()}, properties, dir.path().string(), dir / "movie.wav", progress)
            .ok());
    EXPECT_FALSE(Sys::FileExists(dir / "movie.wav"));
    WriteWave(dir / "c.wav", Constant(100, 2, 1), 2);
    EXPECT_TRUE(MixSoundtrack({Audio(u"c.wav", 0, 1000)}, properties, dir.path().string(),
                              dir / "movie.wav", progress, 500)
                    .ok());
    EXPECT_FALSE(Sys::FileExists(dir / "movie.wav"));
    EXPECT_EQ(MixSoundtrack({Audio(u"c.wav", 0, 1000)}, properties, dir.path().string(),
                            dir / "tmp/movie.wav", progress)
                  .message(),
              "WaveFile::OpenForWritting - Unable to write file");
}

namespace {

// Short files for the random projects: mono and stereo tones with noise, each different.
void WriteNoisyTones(const std::string& path, size_t frames, uint16_t channels, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-3000, 3000);
    std::vector<int16_t> samples = Sine(frames, channels, 9000 + 2000 * seed, 55.0 + 97 * seed);
    for (int16_t& s : samples) s = int16_t(std::clamp(s + noise(random), -32768, 32767));
    WriteWave(path, samples, channels);
}

// One to four audio objects with random times, levels, shelves, fades and skips.
std::vector<MovieObject> RandomProject(std::mt19937& random) {
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<MovieObject> objects;
    if (pick(0, 3) == 0) objects.emplace_back().end = uint32_t(pick(500, 2500));  // a picture
    for (int n = pick(1, 4); n > 0; --n) {
        const std::u16string file = u"f" + std::u16string(1, char16_t(u'0' + pick(0, 3))) + u".wav";
        const uint32_t begin = uint32_t(pick(0, 1200));
        MovieObject o = Audio(file, begin, begin + uint32_t(pick(0, 1200)), true);
        o.beginState.volumeLeft = int8_t(pick(0, 2) == 0 ? 0 : pick(-30, 10));
        o.beginState.volumeRight = int8_t(pick(-30, 10));
        o.endState.volumeLeft = int8_t(pick(-30, 10));
        o.endState.volumeRight = o.beginState.volumeRight;
        o.bassGain = int8_t(pick(0, 2) == 0 ? 0 : pick(-25, 25));
        o.bassFrequency = uint8_t(pick(20, 250));
        o.trebleGain = int8_t(pick(0, 2) == 0 ? 0 : pick(-25, 25));
        o.trebleFrequency = uint16_t(pick(500, 16000));
        const int16_t fadesIn[] = {0, 50, 2000, 5000}, fadesOut[] = {0, -50, -2000, 5};
        o.beginState.fadeRate = fadesIn[pick(0, 3)];
        o.endState.fadeRate = fadesOut[pick(0, 3)];
        o.skip = pick(0, 2) == 0 ? uint32_t(pick(1, 900)) : 0;
        objects.push_back(o);
    }
    return objects;
}

}  // namespace

TEST_F(Mixdown, EveryKernelTableWritesTheSameFileAsThePlainRule) {
    for (uint32_t i = 0; i < 4; ++i) {
        WriteNoisyTones(dir / ("f" + std::to_string(i) + ".wav"), 30000 + 20000 * i,
                        uint16_t(1 + i % 2), i);
    }
    std::vector<const Mm::AudioKernels*> tables = {&Mm::AudioKernels::Sse2()};
    if (Sys::CpuSupports(Sys::CpuLevel::Avx2)) tables.push_back(&Mm::AudioKernels::Avx2());
    std::mt19937 random(20240611);
    const uint8_t rates[] = {10, 15, 24, 25, 30};
    int sounding = 0;
    for (int project = 0; project < 30; ++project) {
        const std::vector<MovieObject> objects = RandomProject(random);
        properties.fps = rates[random() % 5];
        properties.normalizeVolume = random() % 3 == 0;
        std::string plain, other;
        Mm::AudioKernels::SetActive(Mm::AudioKernels::Plain());
        (void)Mix(objects);
        ASSERT_TRUE(Sys::ReadWholeFile(dir / "movie.wav", plain));
        sounding += plain.find_first_not_of('\0', 44) != std::string::npos;
        for (const Mm::AudioKernels* table : tables) {
            Mm::AudioKernels::SetActive(*table);
            (void)Mix(objects);
            ASSERT_TRUE(Sys::ReadWholeFile(dir / "movie.wav", other));
            ASSERT_EQ(plain, other) << table->name << ", project " << project;
        }
    }
    Mm::AudioKernels::SetActive(Mm::AudioKernels::For(Sys::ChosenCpuLevel()));
    EXPECT_GT(sounding, 20);
}

// 8.2 s at 15 frames per second: the movie has 123 frames, so `reelwork-cli mix-audio` writes
// 123 x 44100 / 15 = 361620 stereo frames, exactly as long as the frames last.
TEST(SoundtrackLength, FollowsTheMovieFramesAtFifteenFps) {
    TempDir dir;
    WriteWave(dir / "voice.wav", Constant(10 * 44100, 2, 1000), 2);
    const std::string json = R"({"fps": 15, "objects": [{"type": 2, "end": 8000},
        {"type": 4, "begin": 0, "end": 8200, "fileName": "voice.wav"}]})";
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "p.json", json));
    const CommandResult made = RunCli({"from-json", dir / "p.json", dir / "p.rwk"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(SoundtrackLength(MovieFrameCount({Audio(u"voice.wav", 0, 8200)}, 15), 15), 361620u);

    const CommandResult mixed = RunCli({"mix-audio", dir / "p.rwk", dir / "sound.wav"});
    ASSERT_EQ(mixed.status, 0) << mixed.err;
    const std::vector<int16_t> samples = ReadWaveSamples(dir / "sound.wav");
    ASSERT_EQ(samples.size(), 2u * 361620);
    EXPECT_NE(samples[2 * 361619], 0);  // the voice sounds to the end
}
