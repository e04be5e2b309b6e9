#include <cstring>

#include <gtest/gtest.h>

#include "panelwick/Mm/BufferedWaveFile.h"
#include "panelwick/Mm/WaveFile.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

using Mm::BufferedWaveFile;
using Mm::WaveFile;

namespace {

std::string OpenMessage(const std::string& path) {
    WaveFile file;
    return file.OpenForReading(path).message();
}

std::string StrictMessage(const std::string& path) {
    BufferedWaveFile file;
    std::string message = file.OpenForReadingStrict(path).message();
    EXPECT_FALSE(file.HasBuffer() && !message.empty());
    return message;
}

}  // namespace

TEST(WaveFile, ThreeDataBytesArePaddedAndTheSizesFixedOnClose) {
    TempDir dir;
    WaveFile file;
    ASSERT_TRUE(file.OpenForWritting(44100, 2, 16, dir / "three.wav").ok());
    EXPECT_EQ(file.Write("abc", 3), 3);
    ASSERT_TRUE(file.Close().ok());
    EXPECT_TRUE(file.Close().ok());  // closing a closed file does nothing

    std::string bytes;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "three.wav", bytes));
    const std::string header(
        "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0"
        "\x10\xb1\x02\0\x04\0\x10\0data\x03\0\0\0abc\0",
        48);
    EXPECT_EQ(bytes, header);
}

TEST(WaveFile, OpensFilesWithOtherChunksAndLongerFormats) {
    TempDir dir;
    const std::vector<int16_t> samples = Sine(1000, 2, 8000, 440);
    const std::string data = SampleBytes(samples);
    // A LIST chunk of odd size between fmt and data, another chunk before fmt, data before
    // fmt, an 18-byte fmt, and a RIFF form after a foreign top-level chunk.
    const std::string list = ChunkBytes("LIST", "INFOISFT\x03\0\0\0ab\0\0");
    const std::vector<std::string> files = {
        WaveBytes(WaveFormat{}, data, list),
        RiffBytes(ChunkBytes("junk", "x") + FmtChunk(WaveFormat{}) + ChunkBytes("data", data)),
        RiffBytes(ChunkBytes("data", data) + FmtChunk(WaveFormat{})),
        WaveBytes({.fmtSize = 18}, data),
        ChunkBytes("JUNK", "123") + WaveBytes(WaveFormat{}, data),
    };
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string path = dir / ("f" + std::to_string(i) + ".wav");
        ASSERT_TRUE(Sys::WriteWholeFile(path, files[i]));
        WaveFile file;
        ASSERT_EQ(file.OpenForReading(path).message(), "") << i;
        EXPECT_EQ(file.dataBytes(), data.size());
        std::string read(data.size() + 10, '\0');
        EXPECT_EQ(file.Read(read.data(), int32_t(read.size())), int32_t(data.size())) << i;
        read.resize(data.size());
        EXPECT_EQ(read, data) << i;
    }
}

TEST(WaveFile, ReadsWhatFfmpegAndSoxWrite) {
    TempDir dir;
    // ffmpeg adds a LIST chunk; written to a pipe it leaves both sizes at their maximum, so
    // the data chunk claims more than the file holds. sox writes 8-bit data of odd size.
    const std::string ffmpeg =
        "ffmpeg -v error -f lavfi -i sine=f=440:d=0.5 -ar 44100 -c:a pcm_s16le";
    for (const std::string& command :
         {ffmpeg + " -ac 2 " + dir / "ff.wav", ffmpeg + " -f wav - > " + dir / "pipe.wav",
          "sox -n -r 22050 -b 8 -c 1 " + dir / "odd.wav" + " synth 0.1 sine 440"}) {
        ASSERT_EQ(RunCommand({"sh", "-c", command}).status, 0) << command;
    }
    double seconds = 0;
    ASSERT_TRUE(WaveFile::GetDuration(dir / "ff.wav", seconds).ok());
    EXPECT_DOUBLE_EQ(seconds, 0.5);
    ASSERT_TRUE(WaveFile::GetDuration(dir / "pipe.wav", seconds).ok());
    EXPECT_DOUBLE_EQ(seconds, 0.5);
    BufferedWaveFile odd;
    EXPECT_EQ(odd.OpenForReadingStrict(dir / "odd.wav").message(),
              "The resolution must be 16 bits");
    EXPECT_EQ(odd.dataBytes(), 2205u);
    EXPECT_EQ(odd.samplesPerSecond(), 22050u);
}

TEST(WaveFile, RefusesWhatItCannotRead) {
    TempDir dir;
    const std::string data = SampleBytes(Sine(100, 2, 1000, 440));
    const std::string good = WaveBytes(WaveFormat{}, data);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {WaveBytes({.tag = 3, .bits = 32}, data), "Format is not supported"},
        {RiffBytes(FmtChunk(WaveFormat{})), "The file is corrupted"},
        {WaveBytes(WaveFormat{}, ""), "The file is empty"},
        {RiffBytes(ChunkBytes("data", data)), "Cannot find fmt chunk"},
        {WaveBytes({.fmtSize = 14}, data), "Cannot read WAVEFORMAT"},
        {std::string("RIFX") + good.substr(4), "Cannot locate WAVE chunk"},
        {good.substr(0, 11), "Cannot locate WAVE chunk"},
        {good.substr(0, 30), "Cannot read WAVEFORMAT"},
        {good.substr(0, 40), "The file is corrupted"},
        {good.substr(0, 44), "The file is empty"},
        {"", "Cannot locate WAVE chunk"},
    };
    for (const auto& [bytes, message] : cases) {
        ASSERT_TRUE(Sys::WriteWholeFile(dir / "bad.wav", bytes));
        EXPECT_EQ(OpenMessage(dir / "bad.wav"), "WaveFile::OpenForReading - " + message);
    }
    EXPECT_EQ(OpenMessage(dir / "none.wav"), "WaveFile::OpenForReading - the file cannot be open");
    EXPECT_EQ(OpenMessage(dir.path().string()),
              "WaveFile::OpenForReading - the file cannot be open");
    // A data chunk cut short is as long as what the file holds.
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "cut.wav", good.substr(0, good.size() - 7)));
    WaveFile cut;
    ASSERT_TRUE(cut.OpenForReading(dir / "cut.wav").ok());
    EXPECT_EQ(cut.dataBytes(), data.size() - 7);

    WaveFile writer;
    EXPECT_EQ(writer.OpenForWritting(44100, 2, 16, dir / "no/such/folder.wav").message(),
              "WaveFile::OpenForWritting - Unable to write file");
}

TEST(WaveFile, StrictOpenTestsBitsThenRateThenChannels) {
    TempDir dir;
    auto write = [&](uint16_t channels, uint32_t rate, uint16_t bits) {
        Sys::WriteWholeFile(
            dir / "s.wav",
            WaveBytes({.channels = channels, .rate = rate, .bits = bits}, std::string(48, '\1')));
        return dir / "s.wav";
    };
    EXPECT_EQ(StrictMessage(write(2, 48000, 16)), "The number of samples per second must be 44100");
    EXPECT_EQ(StrictMessage(write(1, 22050, 8)), "The resolution must be 16 bits");
    EXPECT_EQ(StrictMessage(write(2, 44100, 24)), "The resolution must be 16 bits");
    EXPECT_EQ(StrictMessage(write(3, 44100, 16)), "The audio must be mono or stereo");
    EXPECT_EQ(StrictMessage(write(0, 48000, 16)), "The number of samples per second must be 44100");
    BufferedWaveFile file;
    ASSERT_TRUE(file.OpenForReadingStrict(write(1, 44100, 16)).ok());
    EXPECT_TRUE(file.HasBuffer());
    ASSERT_TRUE(file.FlushAndClose().ok());
    EXPECT_FALSE(file.HasBuffer());
}

TEST(WaveFile, DurationIsRoundedToWholeSeconds) {
    EXPECT_EQ(WaveFile::DurationText(10.6), "Duration: 0:11");
    EXPECT_EQ(WaveFile::DurationText(59.4), "Duration: 0:59");
    EXPECT_EQ(WaveFile::DurationText(59.5), "Duration: 1:00");
    EXPECT_EQ(WaveFile::DurationText(3725.0), "Duration: 62:05");
    TempDir dir;
    WriteWave(dir / "d.wav", Constant(467460, 1, 3), 1);  // 10.6 s mono
    double seconds = 0;
    ASSERT_TRUE(WaveFile::GetDuration(dir / "d.wav", seconds).ok());
    EXPECT_DOUBLE_EQ(seconds, 10.6);
    seconds = 0;
    EXPECT_FALSE(WaveFile::GetDuration(dir / "none.wav", seconds).ok());
    EXPECT_EQ(seconds, 0.0);
}

TEST(WaveFile, ReadLoopingRepeatsAShortFile) {
    TempDir dir;
    // Ten samples, then a chunk after the data that must never be read as samples.
    std::vector<int16_t> samples(10);
    for (int i = 0; i < 10; ++i) samples[size_t(i)] = int16_t(i + 1);
    Sys::WriteWholeFile(dir / "ten.wav", WaveBytes({.channels = 1}, SampleBytes(samples), {},
                                                   ChunkBytes("LIST", "zz")));
    WaveFile file;
    ASSERT_TRUE(file.OpenForReading(dir / "ten.wav").ok());
    int16_t got[25] = {};
    EXPECT_EQ(file.ReadLooping(got, 16), 16);      // 8 samples
    EXPECT_EQ(file.ReadLooping(got + 8, 16), 16);  // 2 then 6 from the start
    EXPECT_EQ(got[9], 10);
    EXPECT_EQ(got[10], 1);
    EXPECT_EQ(got[15], 6);
    // More than the whole file: one restart only, so fewer bytes than asked for.
    EXPECT_EQ(file.ReadLooping(got, 50), 8 + 20);
    EXPECT_EQ(got[3], 10);
    EXPECT_EQ(got[4], 1);
}

TEST(WaveFile, BufferedFramesRoundTrip) {
    TempDir dir;
    BufferedWaveFile out;
    out.AllocateBuffer();
    ASSERT_TRUE(out.OpenForWritting(44100, 1, 16, dir / "m.wav").ok());
    for (int i = 0; i < 5000; ++i) out.WriteSample(int16_t(i * 7 - 16000));
    EXPECT_EQ(out.writeCount(), 5000 * 2 - 8192);
    ASSERT_TRUE(out.FlushAndClose().ok());

    BufferedWaveFile in;
    ASSERT_TRUE(in.OpenForReadingStrict(dir / "m.wav").ok());
    int16_t l = 0, r = 0;
    for (int i = 0; i < 5000; ++i) {
        ASSERT_TRUE(in.ReadFrame(l, r));
        ASSERT_EQ(l, int16_t(i * 7 - 16000));
        ASSERT_EQ(r, l);
    }
    EXPECT_FALSE(in.ReadFrame(l, r));
    BufferedWaveFile copy;
    copy = in;
    EXPECT_TRUE(copy.HasBuffer());
    EXPECT_EQ(copy.readCount(), in.readCount());
}
