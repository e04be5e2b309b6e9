#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Mm/Adc.h"
#include "panelwick/Mm/Dac.h"
#include "panelwick/Mm/ErrorText.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/AudioPump.h"
#include "support/TempDir.h"

namespace {

// Fills the buffers from a list of byte counts, then 0; records every call. The bytes count
// from 1 to 127 over and over, so they never look like silence (0 or 0x80).
class Player : public Mm::IAudioOut {
public:
    std::vector<uint32_t> fills;
    std::vector<std::string> calls;
    std::string played;
    std::function<void()> onFill;

    void OnPlayStart(uint32_t rate, uint32_t channels, uint32_t bits) override {
        calls.push_back("start " + std::to_string(rate) + " " + std::to_string(channels) + " " +
                        std::to_string(bits));
    }
    void OnPlayFill(uint32_t, uint32_t, uint32_t, Mm::WaveHeader& buffer) override {
        const size_t k = fillCount++;
        const uint32_t n = k < fills.size() ? std::min(fills[k], buffer.bufferLength) : 0;
        for (uint32_t i = 0; i < n; ++i) buffer.data[i] = uint8_t(1 + (played.size() + i) % 127);
        played.append(reinterpret_cast<char*>(buffer.data), n);
        buffer.bytesRecorded = n;
        calls.push_back("fill " + std::to_string(n));
        if (onFill) onFill();
    }
    void OnPlayEnd() override { calls.push_back("end"); }

    size_t fillCount = 0;
    int Ends() const { return int(std::count(calls.begin(), calls.end(), "end")); }
};

class Recorder : public Mm::IAudioIn {
public:
    std::string recorded;
    int starts = 0, stops = 0;
    size_t stopAfter = SIZE_MAX;  // asks to stop (bytes recorded 0) once this much came

    void OnRecordStart(uint32_t, uint32_t, uint32_t) override { ++starts; }
    void OnRecordData(uint32_t, uint32_t, uint32_t, Mm::WaveHeader& buffer) override {
        EXPECT_EQ(stops, 0);
        recorded.append(reinterpret_cast<char*>(buffer.data), buffer.bytesRecorded);
        if (recorded.size() >= stopAfter) buffer.bytesRecorded = 0;
    }
    void OnRecordStop() override { ++stops; }
};

class AudioDevice : public ::testing::Test {
protected:
    TempDir dir;
    std::string playFile = dir / "played.raw";
    std::string recordFile = dir / "input.raw";
};

}  // namespace

TEST_F(AudioDevice, OneHundredBytesThenNothingPlayExactlyThoseBytesAndEndOnce) {
    UseAudioDriver("disk", playFile);
    Mm::Dac dac;
    AudioPump pump(dac);
    Player player;
    player.fills = {100};
    EXPECT_EQ(dac.StatusText(""), "DAC: OFF");
    ASSERT_TRUE(dac.Start(0, 44100, 2, 16, &player).ok());
    EXPECT_TRUE(player.calls.empty());  // the callbacks wait for the owner's thread
    ASSERT_TRUE(pump.RunUntil([&] { return player.Ends() > 0; }));
    pump.RunFor(100);
    EXPECT_EQ(player.calls,
              (std::vector<std::string>{"start 44100 2 16", "fill 100", "fill 0", "end"}));
    EXPECT_EQ(dac.state(), Mm::Dac::State::Closed);
    EXPECT_EQ(dac.preparedCount(), 0);

    // The device plays silence before and after the sound (also while it opens, paused).
    std::string bytes;
    ASSERT_TRUE(Sys::ReadWholeFile(playFile, bytes));
    const size_t first = bytes.find_first_not_of('\0');
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(bytes.substr(first, 100), player.played);
    EXPECT_EQ(bytes.find_first_not_of('\0', first + 100), std::string::npos);
}

TEST_F(AudioDevice, FullBuffersPlayInOrderAndStopEndsWithoutAnotherFill) {
    UseAudioDriver("disk", playFile);
    Mm::Dac dac;
    AudioPump pump(dac);
    Player player;
    player.fills.assign(1000, Mm::Dac::kBufferSize);
    std::string statusWhileOn;
    ASSERT_TRUE(dac.Start(0, 22050, 1, 8, &player).ok());
    ASSERT_TRUE(pump.RunUntil([&] { return player.fillCount >= 12; }));
    statusWhileOn = dac.StatusText("Speakers");
    EXPECT_EQ(dac.state(), Mm::Dac::State::On);
    EXPECT_EQ(dac.Start(0, 44100, 2, 16, &player).message(),
              "Mm::Dac::Start stop the DAC before starting the DAC");
    dac.Stop();
    EXPECT_EQ(dac.state(), Mm::Dac::State::Draining);
    const size_t fillsAtStop = player.fillCount;
    ASSERT_TRUE(pump.RunUntil([&] { return player.Ends() > 0; }));
    pump.RunFor(50);
    EXPECT_EQ(player.fillCount, fillsAtStop);
    EXPECT_EQ(player.Ends(), 1);
    EXPECT_EQ(player.calls.back(), "end");
    EXPECT_EQ(statusWhileOn, "Speakers: 22050 Hz, 1 CH, 8 bits");
    EXPECT_EQ(dac.StatusText("Speakers"), "Speakers: OFF");

    // The device played the owner's bytes in order (8-bit silence is 0x80), up to where the
    // stop cut them off.
    std::string bytes, sound;
    ASSERT_TRUE(Sys::ReadWholeFile(playFile, bytes));
    for (char c : bytes) {
        if (c != '\x80') sound += c;
    }
    EXPECT_GT(sound.size(), 3 * Mm::Dac::kBufferSize);
    EXPECT_EQ(sound, player.played.substr(0, sound.size()));

    // A stopped device starts again.
    player.calls.clear();
    player.fills = {};
    player.fillCount = 0;
    ASSERT_TRUE(dac.Start(0, 44100, 2, 16, &player).ok());
    ASSERT_TRUE(pump.RunUntil([&] { return player.Ends() > 0; }));
    EXPECT_EQ(player.calls, (std::vector<std::string>{"start 44100 2 16", "fill 0", "end"}));
}

TEST_F(AudioDevice, StopBeforeTheDeviceOpenedStopInsideAFillAndNotifyWithoutACallback) {
    UseAudioDriver("dummy");
    Mm::Dac dac;
    AudioPump pump(dac);
    Player player;
    player.fills.assign(100, 4000);
    ASSERT_TRUE(dac.Start(0, 44100, 2, 16, &player).ok());
    EXPECT_EQ(dac.state(), Mm::Dac::State::Opening);
    dac.Stop();
    ASSERT_TRUE(pump.RunUntil([&] { return player.Ends() > 0; }));
    EXPECT_EQ(player.calls, (std::vector<std::string>{"start 44100 2 16", "end"}));

    player.calls.clear();
    player.onFill = [&] {
        if (player.fillCount == 3) dac.Stop();
    };
    ASSERT_TRUE(dac.Start(0, 44100, 2, 16, &player).ok());
    ASSERT_TRUE(pump.RunUntil([&] { return player.Ends() > 0; }));
    EXPECT_EQ(player.calls.size(), 5u);  // start, three fills, end

    // Without a callback the events go to the notify function.
    std::vector<std::pair<int, intptr_t>> seen;
    dac.SetNotify([&](int code, intptr_t parameter) {
        if (code == Mm::Dac::kNotifyFill) {
            auto* buffer = reinterpret_cast<Mm::WaveHeader*>(parameter);
            EXPECT_EQ(buffer->bufferLength, Mm::Dac::kBufferSize);
            buffer->bytesRecorded = seen.size() < 3 ? 64 : 0;
            parameter = 0;
        }
        seen.emplace_back(code, parameter);
    });
    ASSERT_TRUE(dac.Start(0, 44100, 2, 16, nullptr).ok());
    ASSERT_TRUE(pump.RunUntil([&] { return !seen.empty() && seen.back().first == 6; }));
    const intptr_t format = 16 << 16 | 2;
    EXPECT_EQ(seen, (std::vector<std::pair<int, intptr_t>>{
                        {5, format}, {8, 0}, {8, 0}, {8, 0}, {6, format}}));
}

TEST_F(AudioDevice, OpenFailuresUseTheErrorTable) {
    EXPECT_EQ(Mm::ErrorText(0), "No error");
    EXPECT_EQ(Mm::ErrorText(32),
              "MmSysErrorattempted to open with an unsupported waveform-audio format");
    EXPECT_EQ(Mm::ErrorText(1025), "The control reference is invalid");
    EXPECT_EQ(Mm::ErrorText(22), "MmSysError unspecified error");
    EXPECT_EQ(Mm::ErrorText(1), "MmSysError unspecified error");

    UseAudioDriver("dummy");
    Player player;
    Recorder recorder;
    {
        Mm::Dac dac;
        EXPECT_EQ(dac.Start(1, 44100, 2, 16, &player).message(), Mm::ErrorText(2));
        EXPECT_EQ(dac.Start(0, 44100, 2, 24, &player).message(), Mm::ErrorText(32));
        EXPECT_EQ(dac.state(), Mm::Dac::State::Closed);
        Mm::Adc adc;
        EXPECT_EQ(adc.Start(0, 44100, 3, 16, &recorder).message(), Mm::ErrorText(32));
    }

    // No driver at all: no device lists, no recording.
    UseAudioDriver("no-such-driver");
    Mm::Dac dac;
    Mm::Adc adc;
    EXPECT_TRUE(Mm::Dac::DeviceNames().empty());
    EXPECT_TRUE(Mm::Adc::DeviceNames().empty());
    EXPECT_EQ(adc.Start(0, 44100, 1, 16, &recorder).message(),
              "Mm::Adc::Start a device (or a microphone) must be connected to the audio card "
              "for the ADC to operate");
    EXPECT_EQ(dac.Start(0, 44100, 2, 16, &player).message(), Mm::ErrorText(6));
    EXPECT_EQ(adc.state(), Mm::Adc::State::Closed);
    EXPECT_EQ(dac.state(), Mm::Dac::State::Closed);
}

TEST_F(AudioDevice, RecordingHandsOverWhatTheDeviceRecordsUntilTheOwnerStops) {
    std::string input(200000, '\0');
    for (size_t i = 0; i < input.size(); ++i) input[i] = char(i * 7 + i / 256);
    ASSERT_TRUE(Sys::WriteWholeFile(recordFile, input));
    UseAudioDriver("disk", playFile, recordFile);
    EXPECT_EQ(Mm::Adc::DeviceNames().size(), 1u);
    Mm::Adc adc;
    AudioPump pump(adc);
    Recorder recorder;
    recorder.stopAfter = 3 * Mm::Adc::kBufferSize;
    ASSERT_TRUE(adc.Start(0, 44100, 2, 16, &recorder).ok());
    EXPECT_EQ(adc.Start(0, 44100, 2, 16, &recorder).message(),
              "Mm::Adc::Start - ADC is already ON");
    ASSERT_TRUE(pump.RunUntil([&] { return recorder.starts == 1; }));
    EXPECT_EQ(adc.StatusText("Mic"), "Mic: 44100 Hz/16 bits");
    ASSERT_TRUE(pump.RunUntil([&] { return recorder.stops == 1; }));
    EXPECT_EQ(recorder.recorded, input.substr(0, 3 * Mm::Adc::kBufferSize));
    EXPECT_EQ(adc.StatusText("Mic"), "Mic: OFF");

    // Stop from outside: the queued buffers are dropped and the device closes.
    recorder = Recorder();
    ASSERT_TRUE(adc.Start(0, 44100, 1, 16, &recorder).ok());
    ASSERT_TRUE(pump.RunUntil([&] { return !recorder.recorded.empty(); }));
    adc.Stop();
    const size_t atStop = recorder.recorded.size();
    ASSERT_TRUE(pump.RunUntil([&] { return recorder.stops == 1; }));
    EXPECT_EQ(recorder.recorded.size(), atStop);
    EXPECT_EQ(adc.state(), Mm::Adc::State::Closed);
}

TEST(LevelMeter, PeaksComeFromEvery32ndFrame) {
    std::vector<int16_t> stereo(2 * 100, 0);
    stereo[2 * 32] = -20000;     // frame 32 left
    stereo[2 * 33 + 1] = 30000;  // frame 33 is not measured
    stereo[2 * 64 + 1] = 1234;   // frame 64 right
    stereo[2 * 96] = -32768;
    int32_t left = -1, right = -1;
    Mm::Adc::MeasurePeaks(reinterpret_cast<uint8_t*>(stereo.data()), 400, 2, 16, left, right);
    EXPECT_EQ(left, 32768);
    EXPECT_EQ(right, 1234);
    // The last frame measured lies inside the byte count.
    Mm::Adc::MeasurePeaks(reinterpret_cast<uint8_t*>(stereo.data()), 4 * 96, 2, 16, left, right);
    EXPECT_EQ(left, 20000);
    Mm::Adc::MeasurePeaks(reinterpret_cast<uint8_t*>(stereo.data()), 2 * 65, 1, 16, left, right);
    EXPECT_EQ(left, 20000);  // mono: frame 64 is sample 64
    EXPECT_EQ(right, left);
    std::vector<uint8_t> bytes(65, 128);
    bytes[1] = 0;
    bytes[32] = 250;
    Mm::Adc::MeasurePeaks(bytes.data(), 65, 1, 8, left, right);
    EXPECT_EQ(left, 122);
}
