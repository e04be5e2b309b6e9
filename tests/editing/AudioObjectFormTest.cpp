#include <gtest/gtest.h>

#include "editing/AudioObjectForm.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

namespace {

class AudioForm : public ::testing::Test {
protected:
    AudioForm() {
        WriteWave(dir / "ten.wav", Constant(10 * 44100, 2, 100), 2);
        form.fileName = "ten.wav";
        form.endSeconds = 5;
        form.fadeIn = 2000;
        form.fadeOut = -2000;
    }

    // Collects for OK into a fresh audio object.
    ToolMessage Ok(MovieObject& object) {
        object.type = MovieObjectType::Audio;
        return form.Collect(dir.path().string(), true, duration, object);
    }

    TempDir dir;
    AudioObjectForm form;
    uint32_t duration = 0;
};

}  // namespace

TEST_F(AudioForm, EndNotAfterBeginIsRefusedOnTheEndField) {
    form.beginSeconds = 5;
    form.endSeconds = 5;
    MovieObject object;
    const ToolMessage m = Ok(object);
    EXPECT_TRUE(m.balloon);
    EXPECT_EQ(m.field, AudioObjectForm::kEndField);
    EXPECT_EQ(m.caption, "Invalid T2");
    EXPECT_EQ(m.text, "T2 be bigger than T2");
    EXPECT_EQ(object.end, 1000u);  // untouched

    form.fileName.clear();
    EXPECT_EQ(Ok(object).text, "Please select an audio file");
    EXPECT_EQ(Ok(object).caption, "Reelwork");
}

TEST_F(AudioForm, SkipAndEndAreLimitedByTheFile) {
    form.endSeconds = 20;
    form.skipSeconds = 3;
    MovieObject object;
    ASSERT_FALSE(Ok(object).failed());
    EXPECT_EQ(duration, 10000u);
    EXPECT_EQ(object.skip, 3000u);
    EXPECT_EQ(object.end, 7000u);
    EXPECT_FALSE(form.CheckSkipForPlay(duration).failed());

    // A skip past the file's end is dropped on OK and refused by an audition.
    form.skipSeconds = 12;
    ASSERT_FALSE(Ok(object).failed());
    EXPECT_EQ(object.skip, 0u);
    EXPECT_EQ(object.end, 10000u);
    const ToolMessage play = form.CheckSkipForPlay(duration);
    EXPECT_TRUE(play.balloon);
    EXPECT_EQ(play.field, AudioObjectForm::kSkipField);
    EXPECT_EQ(play.caption, "Invalid skip value");
    EXPECT_EQ(play.text, "The skip value must be less than the duration");

    // An object that starts later may end later: end <= begin - skip + duration.
    form.beginMinutes = 1;
    form.endMinutes = 2;
    form.skipSeconds = 4;
    ASSERT_FALSE(Ok(object).failed());
    EXPECT_EQ(object.begin, 60000u);
    EXPECT_EQ(object.end, 66000u);
}

TEST_F(AudioForm, TypedNumbersAreClampedToTheirRanges) {
    form.fadeIn = 9000;
    form.fadeOut = -70000;
    form.bassFrequency = 20;
    form.trebleFrequency = 100000;
    form.beginLeft = 80;
    form.endRight = -90;
    form.bassGain = 30;
    form.trebleGain = -13;
    MovieObject object;
    ASSERT_FALSE(Ok(object).failed());
    EXPECT_EQ(object.beginState.fadeRate, 5000);
    EXPECT_EQ(object.endState.fadeRate, -5000);
    EXPECT_EQ(object.bassFrequency, 40);
    EXPECT_EQ(object.trebleFrequency, 15000);
    EXPECT_EQ(object.beginState.volumeLeft, 50);
    EXPECT_EQ(object.endState.volumeRight, -50);
    EXPECT_EQ(object.bassGain, 12);
    EXPECT_EQ(object.trebleGain, -12);
    EXPECT_EQ(object.fileName, u"ten.wav");

    form.bassFrequency = 500;
    form.trebleFrequency = 10;
    ASSERT_FALSE(Ok(object).failed());
    EXPECT_EQ(object.bassFrequency, 200);
    EXPECT_EQ(object.trebleFrequency, 1000);

    // What the form shows of an object comes back unchanged.
    AudioObjectForm shown = AudioObjectForm::FromObject(object);
    EXPECT_EQ(shown.fadeIn, 5000);
    EXPECT_EQ(shown.endRight, -50);
    EXPECT_EQ(shown.fileName, "ten.wav");
    EXPECT_EQ(shown.EndMs(), object.end);
}

// Each row mends the previous row's first fault, so the next check speaks.
TEST_F(AudioForm, FileChecksComeInOrderUnderOneCaption) {
    const struct {
        uint16_t channels;
        uint32_t rate;
        uint16_t bits;
        std::string data, message;
    } rows[] = {
        {3, 22050, 8, "abcdef", "The number of channels must be one or two"},
        {1, 22050, 8, "abcdef", "The number of samples per second must be 44100"},
        {1, 44100, 8, "abcdef", "The audio resolution must be 16 bits"},
        {1, 44100, 16, "", "WaveFile::OpenForReading - The file is empty"},
        {2, 44100, 16, "ab", "The audio file is empty"},  // less than a frame
        {2, 44100, 16, "abcd", ""},
    };
    uint32_t ms = 0;
    for (const auto& row : rows) {
        const WaveFormat format{.channels = row.channels, .rate = row.rate, .bits = row.bits};
        Sys::WriteWholeFile(dir / "a.wav", WaveBytes(format, row.data));
        const ToolMessage m = CheckAudioFile(dir / "a.wav", ms);
        EXPECT_EQ(m.text, row.message);
        if (m.failed()) {
            EXPECT_EQ(m.caption, "Invalid Audio File") << row.message;
        }
    }
    EXPECT_EQ(CheckAudioFile(dir / "none.wav", ms).caption, "Invalid Audio File");
    EXPECT_NE(CheckAudioFile(dir / "none.wav", ms).text, "");
    EXPECT_FALSE(CheckAudioFile(dir / "ten.wav", ms).failed());
    EXPECT_EQ(ms, 10000u);
}

TEST(AudioTimes, ConversionsAndTexts) {
    EXPECT_EQ(MinutesSecondsToMs(1, 2.5), 62500u);
    EXPECT_EQ(MinutesSecondsToMs(0, -3), 0u);
    EXPECT_EQ(MinutesSecondsToMs(0, 1.0019), 1001u);  // truncated
    AudioObjectForm form;
    form.skipSeconds = 1.0019;
    EXPECT_EQ(form.SkipMs(), 1002u);  // rounded
    int minutes;
    std::string seconds;
    SplitMinutesSeconds(62500, minutes, seconds);
    EXPECT_EQ(minutes, 1);
    EXPECT_EQ(seconds, "02.5");
    SplitMinutesSeconds(5000, minutes, seconds);
    EXPECT_EQ(seconds, "05");
    SplitMinutesSeconds(61234, minutes, seconds);
    EXPECT_EQ(seconds, "01.234");
    EXPECT_EQ(AudioDurationText(7999), "Duration: 0:07");
    EXPECT_EQ(AudioDurationText(65000), "Duration: 1:05");
    EXPECT_EQ(PlayPositionText(0.99), "0:00");
    EXPECT_EQ(PlayPositionText(61.5), "1:01");
}
