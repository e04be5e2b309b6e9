#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "audio/SoundtrackMixdown.h"
#include "panelwick/Mm/VectorPath.h"
#include "panelwick/Sys/FileSystem.h"
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

TEST_F(Mixdown, VectorAndPlainCodeWriteTheSameFile) {
    properties.normalizeVolume = true;
    WriteWave(dir / "v.wav", Sine(3 * 44100, 2, 12000, 330), 2);
    WriteWave(dir / "m.wav", Sine(3 * 44100, 1, 9000, 60), 1);
    MovieObject voice = Audio(u"v.wav", 0, 3000, true);
    voice.bassGain = 6;
    voice.trebleGain = -9;
    voice.endState.volumeRight = -12;
    MovieObject music = Audio(u"m.wav", 500, 2500, true);
    music.bassGain = -4;
    music.bassFrequency = 80;
    std::vector<std::string> files;
    for (Mm::VectorLevel level : {Mm::VectorLevel::Plain, Mm::VectorLevel::Sse2}) {
        Mm::SetVectorLevel(level);
        (void)Mix({voice, music});
        files.emplace_back();
        ASSERT_TRUE(Sys::ReadWholeFile(dir / "movie.wav", files.back()));
    }
    Mm::SetVectorLevel(Mm::BestVectorLevel());
    EXPECT_EQ(files[0], files[1]);
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
