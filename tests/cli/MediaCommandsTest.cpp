#include <sys/stat.h>

#include "CliChecks.h"

namespace {

// Runs reelwork-cli in a folder that leads PATH, so that a stand-in encoder placed there is
// found first.
CommandResult RunCliIn(const TempDir& dir, const std::string& arguments) {
    const std::string folder = dir.path().string();
    return RunCommand(
        {"sh", "-c",
         "cd '" + folder + "' && PATH='" + folder + "':\"$PATH\" " + kCli + " " + arguments});
}

// A stand-in "ffmpeg" that records its arguments, one per line, in args.txt beside it.
void PlaceRecordingEncoder(const TempDir& dir) {
    const std::string script = dir / "ffmpeg";
    ASSERT_TRUE(Sys::WriteWholeFile(
        script, "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" + dir / "args.txt" + "'\n"));
    chmod(script.c_str(), 0755);
}

}  // namespace

TEST(MediaCommands, ImportVideoMakesAFrameFolderWithVideoBin) {
    TempDir dir;
    ASSERT_EQ(RunCliIn(dir, "new . P").status, 0);
    ASSERT_TRUE(Ffmpeg(
        {"-f", "lavfi", "-i", "testsrc=size=64x36:rate=25", "-t", "2", dir / "My Clip (2).mp4"}));
    CommandResult imported = RunCliIn(dir, "import-video P/P.rwk 'My Clip (2).mp4'");
    ASSERT_EQ(imported.status, 0) << imported.err;
    const std::string folder = dir / "P/My_Clip__2_";
    EXPECT_EQ(Sys::ListFilesWithExtension(folder, ".jpg").size(), 50u);
    const std::string table = Read(folder + "/video.bin");
    ASSERT_EQ(table.size(), 200u);
    EXPECT_EQ(table.substr(196), std::string("\xa8\x07\0\0", 4));  // 1960

    CommandResult again = RunCliIn(dir, "import-video P/P.rwk 'My Clip (2).mp4'");
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("--yes"), std::string::npos);
    EXPECT_EQ(Sys::ListFilesWithExtension(folder, ".jpg").size(), 50u);
}

TEST(MediaCommands, ConversionsPassTheExactArgumentsAndReportMissingOutput) {
    TempDir dir;
    PlaceRecordingEncoder(dir);
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "song.MP3", "x"));
    CommandResult converted = RunCliIn(dir, "mp3-to-wave song.MP3");
    EXPECT_EQ(converted.status, 1);  // the stand-in writes nothing
    EXPECT_NE(converted.err.find("The encoder wrote no " + dir / "song.wav"), std::string::npos);
    EXPECT_EQ(Read(dir / "args.txt"), "-i\n" + dir / "song.MP3" + "\n" + dir / "song.wav" + "\n");

    ASSERT_TRUE(Sys::WriteWholeFile(dir / "a b.wav", "x"));
    RunCliIn(dir, "wave-to-mp3 'a b.wav'");
    EXPECT_EQ(Read(dir / "args.txt"),
              "-i\n" + dir / "a b.wav" + "\n-vn\n-q:a\n1\n" + dir / "a b.mp3" + "\n");
}

TEST(MediaCommands, CombineBuildsBothCommandLines) {
    TempDir dir;
    PlaceRecordingEncoder(dir);
    ASSERT_TRUE(Ffmpeg(
        {"-f", "lavfi", "-i", "testsrc=size=48x32", "-frames:v", "1", dir / "shot_0001.jpg"}));
    RunCliIn(dir,
             "combine --audio v.wav --video shot_0001.jpg --output o.mp4 --jpg-series "
             "--fps 30 --quality 100");
    EXPECT_EQ(Read(dir / "args.txt"),
              "-i\n" + dir / "v.wav" + "\n-f\nimage2\n-framerate\n30\n-i\n" +
                  dir / "shot_%04d.jpg" + "\n-s\n48x32\n-crf\n1\n-shortest\n" + dir / "o.mp4" +
                  "\n");
    RunCliIn(dir, "combine --audio m.mp3 --video c.mp4 --output o.mp4 --quality 5");
    EXPECT_EQ(Read(dir / "args.txt"),
              "-i\n" + dir / "c.mp4" + "\n-i\n" + dir / "m.mp3" +
                  "\n-map\n0:v\n-map\n1:a\n-c\ncopy\n-y\n-crf\n51\n-shortest\n" + dir / "o.mp4" +
                  "\n");
    ExpectFailure(RunCliIn(dir,
                           "combine --audio v.wav --video none_1.jpg --output o.mp4 "
                           "--jpg-series"),
                  "Error reading the file");
}
