#include <filesystem>

#include <gtest/gtest.h>

#include "audio/AudioRecorder.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/AudioPump.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

namespace {

// The disk driver plays into speaker.raw and "records" mic.raw, a pattern without silent
// samples. It has to be chosen before the devices are made.
struct DiskDriver {
    explicit DiskDriver(const TempDir& dir) {
        std::string input(400000, '\0');
        for (size_t i = 0; i < input.size(); ++i) input[i] = char(1 + i % 97);
        Sys::WriteWholeFile(dir / "mic.raw", input);
        UseAudioDriver("disk", dir / "speaker.raw", dir / "mic.raw");
    }
};

class Recorder : public ::testing::Test {
protected:
    // Records into `name` until the file holds `bytes` sample bytes, then stops.
    void RecordFor(const std::string& name, uint64_t bytes, bool monaural, bool mute) {
        ASSERT_FALSE(recorder.Record(name, 1, 0, monaural, mute).failed());
        EXPECT_TRUE(recorder.running());
        EXPECT_TRUE(recorder.Record(name, 1, 0, monaural, mute).text.empty());  // refused
        ASSERT_TRUE(pump.RunUntil(
            [&] { return std::filesystem::file_size(recorder.PathOf(name)) >= 44 + bytes; }));
        recorder.Stop();
        ASSERT_TRUE(pump.RunUntil([&] { return !recorder.running(); }));
        EXPECT_FALSE(recorder.recording());
    }

    TempDir dir;
    DiskDriver driver{dir};
    Mm::Adc adc;
    Mm::Dac dac;
    AudioPump pump{adc, dac};
    AudioRecorder recorder{adc, dac, dir.path().string()};
};

}  // namespace

TEST_F(Recorder, NewFilesAreNamedWithLettersAndDigitsOnly) {
    EXPECT_EQ(AudioRecorder::CheckName("").text, "Please provide a name");
    const ToolMessage spaced = AudioRecorder::CheckName("my take");
    EXPECT_EQ(spaced.caption, "Invalid name");
    EXPECT_EQ(spaced.text, "Valid characters are from 'a' to 'z','A' to 'Z', and '0' to '9'");
    EXPECT_TRUE(spaced.balloon);
    EXPECT_FALSE(AudioRecorder::CheckName("Take2").failed());

    std::string added;
    ASSERT_FALSE(recorder.Add("Take2", added).failed());
    EXPECT_EQ(added, "Take2.wav");
    EXPECT_EQ(std::filesystem::file_size(dir / "Take2.wav"), 44u);
    EXPECT_EQ(AudioRecorder::DurationText(dir / "Take2.wav"), "");  // no samples to read
    EXPECT_EQ(recorder.Add("Take2", added).text, "A file with that name already exists");
    ASSERT_FALSE(recorder.Add("alpha", added).failed());
    Sys::WriteWholeFile(dir / "Zed.WAV", "");
    Sys::WriteWholeFile(dir / "notes.txt", "");
    EXPECT_EQ(recorder.Files(), (std::vector<std::string>{"alpha.wav", "Take2.wav", "Zed.WAV"}));
    EXPECT_EQ(AudioRecorder::DurationText(dir / "Zed.WAV"), "");

    EXPECT_EQ(recorder.Record("", 0, 0, false, false).text,
              "Click the Add button to a new audio file");
    EXPECT_EQ(recorder.Play("", 3, 0).text, "Select a file from the list");
    EXPECT_TRUE(recorder.Delete("alpha.wav"));
    EXPECT_FALSE(Sys::FileExists(dir / "alpha.wav"));
}

TEST_F(Recorder, RecordingReplacesTheFileAndMutedRecordingWritesSilence) {
    WriteWave(dir / "take.wav", Constant(200000, 2, 5), 2);  // an older, longer recording
    RecordFor("take.wav", 44100 * 2, true, false);
    uint16_t channels = 0;
    std::vector<int16_t> recorded = ReadWaveSamples(dir / "take.wav", &channels);
    EXPECT_EQ(channels, 1);
    ASSERT_GE(recorded.size(), 44100u);
    EXPECT_EQ(recorded.size() * 2 % Mm::Adc::kBufferSize, 0u);
    std::string input;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "mic.raw", input));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(recorded.data()), recorded.size() * 2),
              input.substr(0, recorded.size() * 2));

    // Muted for a second: the full length, all zeros.
    RecordFor("take.wav", 44100 * 4, false, true);
    recorded = ReadWaveSamples(dir / "take.wav", &channels);
    EXPECT_EQ(channels, 2);
    ASSERT_GE(recorded.size(), 2u * 44100);
    EXPECT_EQ(recorded.size() * 2 % Mm::Adc::kBufferSize, 0u);
    EXPECT_EQ(std::count(recorded.begin(), recorded.end(), 0), long(recorded.size()));
    EXPECT_EQ(AudioRecorder::DurationText(dir / "take.wav"),
              "0:0" + std::to_string(recorded.size() / 2 / 44100));
}

TEST_F(Recorder, PlaysOnly16Bit44100HzMonoOrStereo) {
    WaveFormat format;
    format.bits = 8;
    format.channels = 1;
    Sys::WriteWholeFile(dir / "eight.wav", WaveBytes(format, "abcd"));
    format.bits = 16;
    format.rate = 22050;
    Sys::WriteWholeFile(dir / "slow.wav", WaveBytes(format, "abcd"));
    format.rate = 44100;
    format.channels = 4;
    Sys::WriteWholeFile(dir / "four.wav", WaveBytes(format, std::string(16, 'a')));
    EXPECT_EQ(recorder.Play("eight.wav", 3, 0).text,
              "The audio file must have a 16 bits resolution");
    EXPECT_EQ(recorder.Play("slow.wav", 3, 0).text,
              "The audio file must have 44100 samples/seconds");
    const ToolMessage four = recorder.Play("four.wav", 3, 0);
    EXPECT_EQ(four.text, "The audio file must be mono or stereo");
    EXPECT_EQ(four.caption, "Reelwork");
    EXPECT_FALSE(recorder.running());

    const std::vector<int16_t> samples = Sine(30000, 2, 8000, 300);
    WriteWave(dir / "song.wav", samples, 2);
    ASSERT_FALSE(recorder.Play("song.wav", 4, 0).failed());
    ASSERT_TRUE(pump.RunUntil([&] { return recorder.playing(); }));
    ASSERT_TRUE(pump.RunUntil([&] { return !recorder.running(); }));
    EXPECT_FALSE(recorder.playing());
    // The file's frames in order; the device adds silent frames where it waited.
    std::string bytes;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "speaker.raw", bytes));
    auto sounding = [](const int16_t* s, size_t count) {
        std::vector<int16_t> frames;
        for (size_t i = 0; i + 1 < count; i += 2) {
            if (s[i] != 0 || s[i + 1] != 0) frames.insert(frames.end(), {s[i], s[i + 1]});
        }
        return frames;
    };
    EXPECT_EQ(sounding(reinterpret_cast<const int16_t*>(bytes.data()), bytes.size() / 2),
              sounding(samples.data(), samples.size()));
}
