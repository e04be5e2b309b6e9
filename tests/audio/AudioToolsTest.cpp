#include <gtest/gtest.h>

#include "audio/AudioTools.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

TEST(AudioTools, OutputNamesSitBesideTheInput) {
    std::string out;
    ASSERT_TRUE(ToolOutputPath("/home/me/talk.wav", kNormalizeSuffix, out).ok());
    EXPECT_EQ(out, "/home/me/talk_norm.wav");
    ASSERT_TRUE(ToolOutputPath("/home/me/a.b/take.2.WAV", kCutSuffix, out).ok());
    EXPECT_EQ(out, "/home/me/a.b/take.2_cut.wav");
    EXPECT_EQ(ToolOutputPath("/x.wav", kSmoothSuffix, out).message(), "Unable to extract path");
    EXPECT_EQ(ToolOutputPath("a.wav", kSmoothSuffix, out).message(), "Unable to extract path");
}

TEST(AudioTools, AppendInputsMustBeAlike) {
    TempDir dir;
    WriteWave(dir / "a.wav", Constant(10, 2, 1), 2);
    WriteWave(dir / "mono.wav", Constant(10, 1, 1), 1);
    WaveFormat slow;
    slow.rate = 22050;
    Sys::WriteWholeFile(dir / "22k.wav", WaveBytes(slow, std::string(40, '\1')));
    WaveFormat bits8;
    bits8.bits = 8;
    Sys::WriteWholeFile(dir / "8.wav", WaveBytes(bits8, std::string(40, '\1')));
    EXPECT_TRUE(CheckAppendInputs({dir / "a.wav", dir / "a.wav"}).ok());
    EXPECT_EQ(CheckAppendInputs({dir / "22k.wav", dir / "a.wav"}).message(),
              "All the files must have the same number of samples per second");
    EXPECT_EQ(CheckAppendInputs({dir / "a.wav", dir / "mono.wav"}).message(),
              "All the files must have the same number of channels");
    EXPECT_EQ(CheckAppendInputs({dir / "a.wav", dir / "8.wav"}).message(),
              "All the files must have the same bit resolution");
    EXPECT_EQ(CheckAppendInputs({dir / "a.wav", dir / "none.wav"}).message(),
              "WaveFile::OpenForReading - the file cannot be open\n" + dir / "none.wav");
}
