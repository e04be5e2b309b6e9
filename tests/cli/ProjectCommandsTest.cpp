#include "CliChecks.h"

TEST(ProjectCommands, NewThenInfoShowsTheTwoSampleObjects) {
    TempDir dir;
    CommandResult made = RunCli({"new", dir.path().string(), "Sample"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string project = dir / "Sample/Sample.rwk";
    EXPECT_EQ(made.out, project + "\n");

    CommandResult info = RunCli({"info", project});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("0:00.0 - 0:03.0 sample.jpg\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("0:00.0 - 0:03.0 sample.wav\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("1280x720, 24 fps"), std::string::npos) << info.out;

    ExpectFailure(RunCli({"new", dir.path().string(), "Sample"}),
                  "A folder with this name already exist");
}

TEST(ProjectCommands, JsonRoundTripIsByteExact) {
    TempDir dir;
    // A header with odd version and flag bytes, one record holding a lone surrogate and
    // non-zero reserved words, and bytes after the last record.
    std::string bytes(
        "\x05\x06\x18\x46\x5a\x00\x05\xd0\x02\xff\xff\xff\x00\x02\x07"
        "\x01\x00\x00\x00",
        19);
    std::string record(174 + 2, '\x5a');
    record.replace(89, 4, std::string("\x01\x00\x00\x00\x00\xd8", 6));  // fileName = {0xD800}
    record.erase(95, 2);
    record.replace(101 + 2, 4, std::string("\x00\x00\x00\x00", 4));  // text is empty
    bytes += record + "xyz";
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "odd.rwk", bytes));

    CommandResult json = RunCli({"to-json", dir / "odd.rwk"});
    ASSERT_EQ(json.status, 0) << json.err;
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "odd.json", json.out));
    CommandResult back = RunCli({"from-json", dir / "odd.json", dir / "back.rwk"});
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(Read(dir / "back.rwk"), bytes);

    CommandResult piped = RunCli({"from-json", "-", dir / "piped.rwk"}, json.out);
    EXPECT_EQ(piped.status, 0) << piped.err;
}

TEST(ProjectCommands, FailuresPrintTheMessageAndWriteNothing) {
    TempDir dir;
    ExpectFailure(RunCli({"info", dir / "none.rwk"}), "The file could not be found");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "bad.json", R"({"objects":[{"page":300}]})"));
    ExpectFailure(RunCli({"from-json", dir / "bad.json", dir / "out.rwk"}),
                  "objects[0].page: 300 is outside 0..255");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.rwk"));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "short.rwk", std::string(2, '\1')));
    ExpectFailure(RunCli({"to-json", dir / "short.rwk"}), "Unable to load fps");

    CommandResult relative =
        RunCommand({"sh", "-c", "cd " + dir.path().string() + " && " + kCli + " new . Rel"});
    EXPECT_EQ(relative.status, 0) << relative.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "Rel/Rel.rwk"));
}

// A project on a read-only mount (made in a private mount namespace) is refused before any
// work, naming the reason, and its old movie stays.
TEST(ProjectCommands, CreateMovieOnAReadOnlyMountIsRefusedBeforeAnyWork) {
    TempDir dir;
    ASSERT_EQ(RunCli({"new", dir.path().string(), "P"}).status, 0);
    const std::string folder = dir / "P";
    ASSERT_TRUE(Sys::WriteWholeFile(folder + "/movie.mp4", "old movie"));
    const std::string mount = "mount --bind '" + folder + "' '" + folder + "' && mount -o " +
                              "remount,bind,ro '" + folder + "' '" + folder + "'";
    if (RunCommand({"unshare", "-rm", "sh", "-c", mount}).status != 0) {
        GTEST_SKIP() << "no private read-only mount here";
    }
    const CommandResult made =
        RunCommand({"unshare", "-rm", "sh", "-c",
                    mount + " && exec '" + kCli + "' create-movie '" + folder + "/P.rwk'"});
    EXPECT_EQ(made.status, 1);
    EXPECT_NE(made.err.find("The movie cannot be made:\nThe project folder cannot be written: "
                            "Read-only file system"),
              std::string::npos)
        << made.err;
    EXPECT_EQ(Read(folder + "/movie.mp4"), "old movie");
    EXPECT_FALSE(std::filesystem::exists(folder + "/tmp"));
}
