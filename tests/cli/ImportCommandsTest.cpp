#include <filesystem>

#include "CliChecks.h"

namespace fs = std::filesystem;

namespace {

size_t FileCount(const std::string& folder) {
    return size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

}  // namespace

TEST(ImportCommands, AddPrintsTheNewObjectsAndChangesNothingWhenAFileIsRefused) {
    TempDir dir;
    ASSERT_EQ(RunCli({"new", dir.path().string(), "P"}).status, 0);
    const std::string project = dir / "P/P.rwk";
    ASSERT_TRUE(Ffmpeg(
        {"-f", "lavfi", "-i", "testsrc=size=160x90", "-frames:v", "2", dir / "shot %d.jpg"}));

    CommandResult added =
        RunCli({"add", project, dir / "shot 2.jpg", dir / "shot 1.jpg", "--duration", "2"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out,
              "  3  Image     0:03.0 - 0:05.0 shot 1.jpg\n"
              "  4  Image     0:05.0 - 0:07.0 shot 2.jpg\n");
    CommandResult again = RunCli({"add", project, dir / "shot 1.jpg", "--at", "1.5"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, "  5  Image     0:01.5 - 0:06.5 shot 1.jpg\n");  // the same file

    const std::string before = Read(project);
    const size_t files = FileCount(dir / "P");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "broken.png", "not a png"));
    ASSERT_TRUE(
        Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x90", "-frames:v", "1", dir / "new.png"}));
    CommandResult refused = RunCli({"add", project, dir / "new.png", dir / "broken.png"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("These files could not be added:\n\n"), std::string::npos);
    EXPECT_NE(refused.err.find("\n" + dir / "broken.png\n"), std::string::npos) << refused.err;
    EXPECT_EQ(Read(project), before);
    EXPECT_EQ(FileCount(dir / "P"), files);
}

// A show of four pictures with MP3 music becomes a movie of four times the duration with sound.
TEST(ImportCommands, SlideshowMakesAProjectWhoseMovieLastsTheShow) {
    TempDir dir;
    fs::create_directories(dir / "pictures");
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=64x36:rate=1", "-frames:v", "4",
                        dir / "pictures/p%d.png"}));
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "sine=frequency=330", "-t", "9", dir / "music.mp3"}));
    CommandResult made =
        RunCli({"slideshow", dir.path().string(), "Show", dir / "pictures", "--music",
                dir / "music.mp3", "--duration", "1.5", "--fade", "0.3"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string project = dir / "Show/Show.rwk";
    EXPECT_EQ(made.out, project + "\n");
    EXPECT_FALSE(fs::exists(dir / "Show/sample.jpg"));

    CommandResult info = RunCli({"info", project});
    EXPECT_NE(info.out.find("13 objects"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("0:00.0 - 0:00.3 p1.png\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("0:05.7 - 0:06.0 p4.png\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("0:00.0 - 0:06.0 music.wav\n"), std::string::npos) << info.out;

    ASSERT_EQ(RunCli({"create-movie", project}).status, 0);
    const std::string probe = Probe("format=duration:stream=codec_type", dir / "Show/movie.mp4");
    EXPECT_NE(probe.find("audio"), std::string::npos) << probe;
    const double seconds = std::stod(probe.substr(probe.rfind('\n', probe.size() - 2) + 1));
    EXPECT_NEAR(seconds, 6.0, 0.1);

    CommandResult noPictures =
        RunCli({"slideshow", dir.path().string(), "Empty", dir / "music.mp3"});
    EXPECT_EQ(noPictures.status, 1);
    EXPECT_NE(noPictures.err.find("Not a picture\n" + dir / "music.mp3"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "Empty"));
}
