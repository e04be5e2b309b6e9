#include <vector>

#include <gtest/gtest.h>

#include "audio/SoundtrackMixdown.h"
#include "audio/SoundtrackMixer.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

namespace {

// Two overlapping sounds with fades, volume ramps, shelves and a skip, over a picture that
// makes the movie longer than the sounds; the soundtrack file is the reference.
class SoundtrackMixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteWave(dir / "a.wav", Sine(20 * 44100, 2, 12000, 440), 2);
        WriteWave(dir / "b.wav", Sine(10 * 44100, 1, 9000, 97), 1);
        MovieObject a;
        a.type = MovieObjectType::Audio;
        a.fileName = u"a.wav";
        a.begin = 500;
        a.end = 9000;
        a.skip = 1500;
        a.endState.volumeLeft = -12;
        a.bassGain = 9;
        a.trebleGain = -6;
        MovieObject b = a;
        b.fileName = u"b.wav";
        b.begin = 3000;
        b.end = 8000;
        b.skip = 0;
        b.beginState.volumeRight = 6;
        MovieObject picture;
        picture.end = 10000;
        objects = {picture, a, b};
    }

    std::vector<int16_t> File() {
        Mt::Task task;
        EXPECT_TRUE(
            MixSoundtrack(objects, properties, dir.path().string(), dir / "movie.wav", task).ok());
        return ReadWaveSamples(dir / "movie.wav");
    }

    // Every frame from `from` on, read in uneven pieces.
    std::vector<int16_t> Live(uint64_t from) {
        SoundtrackMixer mixer(objects, properties, dir.path().string());
        mixer.Seek(from);
        std::vector<int16_t> out;
        std::vector<int16_t> piece(2 * 3001);
        while (size_t n = mixer.Read(piece.data(), 3001)) {
            out.insert(out.end(), piece.begin(), piece.begin() + ptrdiff_t(2 * n));
        }
        return out;
    }

    void ExpectSameFromEveryStart() {
        const std::vector<int16_t> file = File();
        ASSERT_EQ(file.size(), 2u * 10 * 44100);
        // Before any sound, inside one, inside both, in a fade-out, at the last frame.
        for (uint64_t from : {0ull, 10000ull, 150001ull, 200000ull, 380000ull, 440999ull}) {
            const std::vector<int16_t> live = Live(from);
            ASSERT_EQ(live.size(), file.size() - 2 * from) << from;
            EXPECT_TRUE(std::equal(live.begin(), live.end(), file.begin() + ptrdiff_t(2 * from)))
                << from;
        }
    }

    TempDir dir;
    MovieProperties properties;
    std::vector<MovieObject> objects;
};

}  // namespace

TEST_F(SoundtrackMixerTest, FromAnyFrameItGivesTheMixdownsSamples) {
    properties.normalizeVolume = false;
    ExpectSameFromEveryStart();
}

TEST_F(SoundtrackMixerTest, FromAnyFrameItGivesTheNormalisedMixdownsSamples) {
    properties.normalizeVolume = true;
    ExpectSameFromEveryStart();
}

TEST_F(SoundtrackMixerTest, TheNormaliserIsFedOnlyTheSecondsItRemembers) {
    // Full scale raised by 15 dB (volume and bass) is forgotten after about half a minute; a
    // louder object is remembered longer.
    EXPECT_LT(SoundtrackMixer::WarmUpFrames(objects), 30u * 44100);
    objects[1].beginState.volumeLeft = 40;
    EXPECT_GT(SoundtrackMixer::WarmUpFrames(objects), 40u * 44100);
    properties.normalizeVolume = true;
    // A start past the remembered seconds still gives the mixdown's samples.
    objects[0].end = 60000;
    objects[1].end = 59000;
    objects[1].beginState.volumeLeft = 0;
    WriteWave(dir / "a.wav", Sine(60 * 44100, 2, 12000, 440), 2);
    const std::vector<int16_t> file = File();
    const uint64_t from = 50 * 44100 + 17;
    const std::vector<int16_t> live = Live(from);
    ASSERT_EQ(live.size(), file.size() - 2 * from);
    EXPECT_TRUE(std::equal(live.begin(), live.end(), file.begin() + ptrdiff_t(2 * from)));
}
