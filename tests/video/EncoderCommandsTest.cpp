#include <gtest/gtest.h>

#include <filesystem>

#include "panelwick/Sys/FileSystem.h"
#include "support/TempDir.h"
#include "video/Encoder.h"
#include "video/EncoderJob.h"
#include "video/JpgSeries.h"
#include "video/MediaConversion.h"
#include "video/VideoImport.h"

namespace fs = std::filesystem;

TEST(Encoder, RateFactorFollowsQuality) {
    EXPECT_EQ(Encoder::ConstantRateFactor(5), 51);
    EXPECT_EQ(Encoder::ConstantRateFactor(50), 27);
    EXPECT_EQ(Encoder::ConstantRateFactor(80), 11);
    EXPECT_EQ(Encoder::ConstantRateFactor(95), 3);
    EXPECT_EQ(Encoder::ConstantRateFactor(100), 1);
}

TEST(VideoImport, FolderNameAndCommandLine) {
    std::string name;
    ASSERT_TRUE(VideoImport::FolderName("/in/My Clip (2).mp4", name));
    EXPECT_EQ(name, "My_Clip__2_");
    ASSERT_TRUE(VideoImport::FolderName("/in/ä.b.avi", name));
    EXPECT_EQ(name, "___b");  // two bytes of UTF-8 and the inner dot
    EXPECT_FALSE(VideoImport::FolderName("a.b", name));
    EXPECT_EQ(VideoImport::CommandLine("/enc", "/in/clip.mp4", "/proj", "clip"),
              "\"/enc/ffmpeg\" -i \"/in/clip.mp4\" -r 25 -qscale:v 2 \"/proj/clip/%08d.jpg");

    TempDir dir;
    const std::string folder = dir / "clip";
    ASSERT_TRUE(VideoImport::PrepareFolder(folder).ok());
    ASSERT_TRUE(Sys::WriteWholeFile(folder + "/00000001.jpg", "x"));
    fs::create_directories(folder + "/sub/deeper");
    ASSERT_TRUE(VideoImport::PrepareFolder(folder).ok());
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(VideoImport::PrepareFolder(dir / "missing/clip").message(),
              "Unable to create the folder for the video");
}

TEST(MediaConversion, RebuildsTheInputAndKeepsTheChosenCase) {
    TempDir dir;
    MediaConversion plan;
    ASSERT_TRUE(plan.Plan(MediaConversion::Kind::WaveToMp3, dir / "song.wav", "/enc").ok());
    EXPECT_EQ(plan.commandLine(), "\"/enc/ffmpeg\" -i \"" + dir / "song.wav" +
                                      "\" -vn -q:a 1 \"" + dir / "song.mp3" + "\"");
    // A chosen "song.MP3": the lower-case name does not exist, so the chosen file is read.
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "song.MP3", "x"));
    ASSERT_TRUE(plan.Plan(MediaConversion::Kind::Mp3ToWave, dir / "song.MP3", "/enc").ok());
    EXPECT_EQ(plan.input(), dir / "song.MP3");
    EXPECT_EQ(plan.commandLine(),
              "\"/enc/ffmpeg\" -i \"" + dir / "song.MP3" + "\" \"" + dir / "song.wav" + "\"");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "song.mp3", "x"));
    ASSERT_TRUE(plan.Plan(MediaConversion::Kind::Mp3ToWave, dir / "song.MP3", "/enc").ok());
    EXPECT_EQ(plan.input(), dir / "song.mp3");
    ASSERT_TRUE(plan.Plan(MediaConversion::Kind::Mp4ToWave, dir / "clip.mp4", "/enc").ok());
    EXPECT_EQ(plan.output(), dir / "clip.wav");
    EXPECT_EQ(plan.Plan(MediaConversion::Kind::Mp4ToWave, "a.b", "/enc").message(),
              "Invalid filename");
}

TEST(JpgSeries, PatternFromTrailingDigitsAndCount) {
    TempDir dir;
    JpgSeries series;
    ASSERT_TRUE(series.From(dir / "shot_0001.jpg").ok());
    EXPECT_EQ(series.pattern, "shot_%04d.jpg");
    EXPECT_EQ(series.folder, dir.path().string());
    for (int i = 1; i <= 150; ++i) ASSERT_TRUE(Sys::WriteWholeFile(series.Path(i), "x"));
    EXPECT_EQ(series.Path(7), dir / "shot_0007.jpg");
    EXPECT_EQ(series.Count(), 150);
    ASSERT_TRUE(series.From(dir / "title.jpg").ok());
    EXPECT_EQ(series.pattern, "title%00d.jpg");
    EXPECT_EQ(series.Path(12), dir / "title12.jpg");
    EXPECT_EQ(series.From("/x.jpg").message(), "Please provide a valid path");
}

TEST(EncoderJob, DrainsTheOutputAndReportsOnlyAStartFailure) {
    TempDir dir;
    EncoderJob job;
    bool done = false;
    ASSERT_TRUE(job.Start("sh -c \"i=0; while [ $i -lt 30 ]; do echo line $i; i=$((i+1)); "
                          "done; printf 'a\\rb\\r'; pwd > where\"",
                          dir.path().string(), [&] { done = true; }));
    job.Wait();
    EXPECT_TRUE(done);
    EXPECT_EQ(job.result(), "");
    EXPECT_EQ(job.outputTail().substr(0, 8), "line 12\n");
    EXPECT_EQ(job.outputTail().substr(job.outputTail().size() - 4), "a\nb\n");
    EXPECT_TRUE(fs::exists(dir / "where"));

    ASSERT_TRUE(job.Start("/no/such/encoder -i x", ""));
    job.Wait();
    EXPECT_EQ(job.result(), "Error: /no/such/encoder -i x");
}
