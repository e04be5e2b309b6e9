#include <cmath>

#include <gtest/gtest.h>

#include "audio/AudioMixState.h"
#include "audio/AuditionSource.h"
#include "project/ProjectFile.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

namespace {

// An audio object that uses every part of the processing: skip, level ramps, both shelves
// and the fades.
MovieObject Voice() {
    MovieObject o;
    o.type = MovieObjectType::Audio;
    o.fileName = u"voice.wav";
    o.begin = 0;
    o.end = 1500;
    o.skip = 300;
    o.beginState.volumeLeft = -6;
    o.beginState.volumeRight = 3;
    o.endState.volumeLeft = 2;
    o.endState.volumeRight = -10;
    o.beginState.fadeRate = 900;
    o.endState.fadeRate = -600;
    o.bassFrequency = 100;
    o.bassGain = 6;
    o.trebleFrequency = 5000;
    o.trebleGain = -4;
    return o;
}

std::vector<int16_t> Audition(const MovieObject& object, const std::string& folder) {
    AuditionSource source;
    EXPECT_TRUE(source.Open(object, folder).ok());
    std::vector<int16_t> samples;
    std::vector<uint8_t> buffer(16384);
    while (uint32_t n = source.Fill(buffer.data(), uint32_t(buffer.size()))) {
        EXPECT_EQ(n % 4, 0u);
        for (uint32_t i = 0; i < n; i += 2)
            samples.push_back(int16_t(buffer[i] | buffer[i + 1] << 8));
    }
    source.Close();
    return samples;
}

}  // namespace

// The audition stores truncated samples where the soundtrack rounds down, so the two differ
// only by one step on negative samples with a fraction; otherwise they are the same.
TEST(Audition, PlaysTheObjectAsTheSoundtrackMixesIt) {
    TempDir dir;
    std::vector<int16_t> voice = Sine(3 * 44100, 2, 9000, 440);
    for (size_t i = 0; i < voice.size(); i += 2) voice[i] = int16_t(voice[i] / 2 + (i % 997) * 7);
    WriteWave(dir / "voice.wav", voice, 2);
    const MovieObject object = Voice();
    MovieProperties properties;
    properties.fps = 25;
    properties.normalizeVolume = false;
    ASSERT_TRUE(ProjectFile::Save(dir / "P.rwk", properties, {object}).ok());
    const CommandResult mixed = RunCli({"mix-audio", dir / "P.rwk", dir / "mix.wav"});
    ASSERT_EQ(mixed.status, 0) << mixed.err;
    const std::vector<int16_t> mix = ReadWaveSamples(dir / "mix.wav");
    const std::vector<int16_t> audition = Audition(object, dir.path().string());

    // The soundtrack lasts whole movie frames (37 at 25 fps); the audition to the object's end.
    ASSERT_EQ(mix.size(), 2u * 65268);
    ASSERT_EQ(audition.size(), 2u * 66151);
    size_t rounded = 0;
    for (size_t i = 0; i < mix.size(); ++i) {
        if (audition[i] == mix[i]) continue;
        ASSERT_TRUE(mix[i] < 0 && audition[i] == mix[i] + 1) << "sample " << i;
        ++rounded;
    }
    EXPECT_GT(rounded, 0u);

    // Sample for sample, the audition is the mixdown's own processing, truncated.
    AudioMixState state;
    state.Prepare(object);
    for (size_t frame = 0; frame < audition.size() / 2; ++frame) {
        double left, right;
        ASSERT_TRUE(state.MixNextSample(object, dir.path().string(), frame, left, right));
        ASSERT_EQ(audition[2 * frame], int16_t(std::trunc(std::clamp(left, -32767.0, 32767.0))));
        ASSERT_EQ(audition[2 * frame + 1],
                  int16_t(std::trunc(std::clamp(right, -32767.0, 32767.0))));
    }
    state.Close();
}

TEST(Audition, PositionCountsTheFileReadAndAMissingFileFails) {
    TempDir dir;
    WriteWave(dir / "voice.wav", Constant(2 * 44100, 1, 1000), 1);
    MovieObject object = Voice();
    object.skip = 1000;
    AuditionSource source;
    ASSERT_TRUE(source.Open(object, dir.path().string()).ok());
    // The reader takes 8192 bytes at a time (4096 mono frames) past the skip.
    std::vector<uint8_t> buffer(400);
    ASSERT_EQ(source.Fill(buffer.data(), 400), 400u);
    EXPECT_NEAR(source.FilePosition(2000), 1.0 + 4096 / 44100.0, 1e-9);
    EXPECT_EQ(source.framesPlayed(), 100u);
    source.Close();

    object.fileName = u"none.wav";
    EXPECT_TRUE(source.Open(object, dir.path().string()).failed());
}
