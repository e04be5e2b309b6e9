#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "support/TempDir.h"
#include "video/Encoder.h"
#include "video/EncoderRun.h"
#include "video/JpgSeries.h"
#include "video/MediaConversion.h"
#include "video/VideoImport.h"

namespace fs = std::filesystem;

namespace {

// A process that has ended but was not yet reaped by its new parent counts as ended.
bool Runs(int pid) {
    std::string status;
    if (!Sys::ReadWholeFile("/proc/" + std::to_string(pid) + "/stat", status)) return false;
    const size_t paren = status.rfind(')');
    return paren != std::string::npos && status.substr(paren + 2, 1) != "Z";
}

}  // namespace

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
    EXPECT_EQ(plan.commandLine(), "\"/enc/ffmpeg\" -i \"" + dir / "song.wav" + "\" -vn -q:a 1 \"" +
                                      dir / "song.mp3" + "\"");
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

TEST(EncoderRun, DrainsTheOutputKeepsTheTailAndJudgesTheExitStatus) {
    TempDir dir;
    EncoderRun run;
    std::vector<std::string> lines;
    Mt::Task task;
    const Mt::TaskResult ok = run.Run(
        "sh -c \"i=0; while [ $i -lt 30 ]; do echo line $i; i=$((i+1)); done; "
        "printf 'a\\rb\\r'; pwd > where\"",
        dir.path().string(), task, [&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_TRUE(ok.ok());
    EXPECT_EQ(lines.size(), 32u);
    EXPECT_EQ(run.outputTail().substr(0, 8), "line 12\n");
    EXPECT_EQ(run.outputTail().substr(run.outputTail().size() - 4), "a\nb\n");
    EXPECT_TRUE(fs::exists(dir / "where"));

    // A failing encoder fails even when it wrote its output; the message names the status.
    const Mt::TaskResult failed = run.Run("sh -c \"echo half > out.mp4; echo broken pipe; exit 1\"",
                                          dir.path().string(), task);
    ASSERT_TRUE(failed.failed());
    EXPECT_EQ(run.exitStatus(), 1);
    EXPECT_EQ(failed.message().rfind("The encoder ended with status 1. It ran:\nsh -c", 0), 0u);
    EXPECT_EQ(failed.detail(), "broken pipe\n");
    EXPECT_TRUE(fs::exists(dir / "out.mp4"));

    const Mt::TaskResult missing = run.Run("/no/such/encoder -i x", "", task);
    EXPECT_EQ(missing.message(), "Error: /no/such/encoder -i x");
    EXPECT_FALSE(run.started());
}

TEST(EncoderRun, ACancelEndsAHangingEncoderAndWhatItStarted) {
    TempDir dir;
    EncoderRun run;
    Mt::Task task;
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        task.Cancel();
    });
    const auto start = std::chrono::steady_clock::now();
    // The stand-in ignores the polite request, so it is killed after the grace time; its
    // child holds the pipe open and must go too.
    const Mt::TaskResult result = run.Run(
        "sh -c \"trap '' TERM; sleep 30 & echo $! > child; wait\"", dir.path().string(), task);
    canceller.join();
    EXPECT_TRUE(result.stopped());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    std::string child;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "child", child));
    EXPECT_FALSE(Runs(std::stoi(child))) << "the encoder's child still runs";
}
