#include <cstdlib>
#include <set>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace {

struct Picture {
    int width = 0, height = 0;
    std::string rgb;  // rows of red, green, blue bytes
};

// A PNG's size from its header and its pixels through ffmpeg, optionally scaled first.
Picture ReadPicture(const std::string& path, const std::string& scale = {}) {
    Picture picture;
    std::string bytes;
    if (!Sys::ReadWholeFile(path, bytes) || bytes.size() < 24) return picture;
    const auto be32 = [&](size_t at) {
        return int(uint8_t(bytes[at])) << 24 | int(uint8_t(bytes[at + 1])) << 16 |
               int(uint8_t(bytes[at + 2])) << 8 | int(uint8_t(bytes[at + 3]));
    };
    picture.width = be32(16);
    picture.height = be32(20);
    std::vector<std::string> args = {"ffmpeg", "-v", "error", "-i", path};
    if (!scale.empty()) args.insert(args.end(), {"-vf", "scale=" + scale + ":flags=area"});
    args.insert(args.end(), {"-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    picture.rgb = RunCommand(args).out;
    return picture;
}

// A project of fps 10 whose objects are given as JSON, on a white movie of the given size.
std::string MakeProject(const TempDir& dir, int width, int height, const std::string& objects) {
    const std::string json = R"({"fps": 10, "width": )" + std::to_string(width) +
                             R"(, "height": )" + std::to_string(height) +
                             R"(, "backColor": 16777215, "objects": [)" + objects + "]}";
    EXPECT_TRUE(Sys::WriteWholeFile(dir / "p.json", json));
    const CommandResult made = RunCli({"from-json", dir / "p.json", dir / "p.rwk"});
    EXPECT_EQ(made.status, 0) << made.err;
    return dir / "p.rwk";
}

// A rectangle of the colour that covers the whole frame from begin to end.
std::string FullFrame(int begin, int end, int colour) {
    const std::string state = R"({"x": 8000000, "y": 4500000, "sizeX": 100000, "sizeY": 100000})";
    return R"({"type": 2, "depth3D": 0, "width": 400, "height": 400, "begin": )" +
           std::to_string(begin) + R"(, "end": )" + std::to_string(end) + R"(, "frontColor": )" +
           std::to_string(colour) + R"(, "beginState": )" + state + R"(, "endState": )" + state +
           "}";
}

bool AllPixels(const Picture& p, const std::string& rgb) {
    if (p.rgb.size() != size_t(p.width) * p.height * 3 || p.rgb.empty()) return false;
    for (size_t i = 0; i < p.rgb.size(); i += 3) {
        if (p.rgb.compare(i, 3, rgb) != 0) return false;
    }
    return true;
}

}  // namespace

// The sample project at one second: the thumbnail is 256 pixels wide with the movie's aspect,
// and it shows what the full-size frame at one second shows, scaled down.
TEST(ThumbnailCommand, SampleProjectLooksLikeItsFrameAtOneSecond) {
    TempDir dir;
    const CommandResult made = RunCli({"new", dir.path().string(), "Sample"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string project = dir / "Sample/Sample.rwk";
    const std::string json = std::string(REELWORK_SOURCE_DIR) + "/resources/demo/Sample.json";
    ASSERT_EQ(RunCli({"from-json", json, project}).status, 0);

    const CommandResult thumb = RunCli({"thumbnail", project, dir / "t.png"});
    ASSERT_EQ(thumb.status, 0) << thumb.err;
    const Picture small = ReadPicture(dir / "t.png");
    EXPECT_EQ(small.width, 256);
    EXPECT_EQ(small.height, 144);
    ASSERT_EQ(small.rgb.size(), 256u * 144 * 3);
    std::set<std::string> colours;
    for (size_t i = 0; i < small.rgb.size(); i += 3) colours.insert(small.rgb.substr(i, 3));
    EXPECT_GT(colours.size(), 200u);  // the picture, the bar and the title, not a flat frame

    // 24 frames a second: frame 24 is at one second.
    ASSERT_EQ(RunCli({"render-frame", project, "24", dir / "full.png"}).status, 0);
    const Picture scaled = ReadPicture(dir / "full.png", "256:144");
    ASSERT_EQ(scaled.rgb.size(), small.rgb.size());
    long difference = 0;
    for (size_t i = 0; i < small.rgb.size(); ++i) {
        difference += std::abs(int(uint8_t(small.rgb[i])) - int(uint8_t(scaled.rgb[i])));
    }
    EXPECT_LT(double(difference) / double(small.rgb.size()), 3.0);

    const CommandResult large = RunCli({"thumbnail", project, dir / "l.png", "--size", "512"});
    ASSERT_EQ(large.status, 0) << large.err;
    EXPECT_EQ(ReadPicture(dir / "l.png").width, 512);
    EXPECT_EQ(RunCli({"thumbnail", project, dir / "x.png", "--size", "8"}).status, 1);
}

// The frame at one second is chosen, the last frame of a shorter movie, and a tall movie fits
// the square by its height.
TEST(ThumbnailCommand, ShowsTheFrameAtOneSecondOrTheLastFrame) {
    TempDir dir;
    std::string project =
        MakeProject(dir, 160, 90, FullFrame(1000, 1000, 255) + "," + FullFrame(2000, 3000, 0));
    ASSERT_EQ(RunCli({"thumbnail", project, dir / "a.png", "--size", "32"}).status, 0);
    const Picture second = ReadPicture(dir / "a.png");
    EXPECT_EQ(second.width, 32);
    EXPECT_EQ(second.height, 18);
    EXPECT_TRUE(AllPixels(second, std::string("\xff\x00\x00", 3)));  // red, shown at exactly 1 s

    // Five frames (0.5 s at 10 a second): the last is at 400 ms.
    project = MakeProject(dir, 90, 160, FullFrame(400, 500, 0xff0000));
    ASSERT_EQ(RunCli({"thumbnail", project, dir / "b.png", "--size", "32"}).status, 0);
    const Picture last = ReadPicture(dir / "b.png");
    EXPECT_EQ(last.width, 18);
    EXPECT_EQ(last.height, 32);
    EXPECT_TRUE(AllPixels(last, std::string("\x00\x00\xff", 3)));
}

// Missing pictures are left out of the thumbnail; a project that cannot be read gives none.
TEST(ThumbnailCommand, SkipsMissingPicturesAndFailsOnUnreadableProjects) {
    TempDir dir;
    const std::string project = MakeProject(
        dir, 160, 90,
        FullFrame(0, 2000, 255) + R"(, {"type": 0, "end": 2000, "fileName": "gone.jpg"})");
    const CommandResult made = RunCli({"thumbnail", project, dir / "a.png", "--size", "16"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(AllPixels(ReadPicture(dir / "a.png"), std::string("\xff\x00\x00", 3)));

    ASSERT_TRUE(Sys::WriteWholeFile(dir / "broken.rwk", "not a project"));
    const CommandResult broken = RunCli({"thumbnail", dir / "broken.rwk", dir / "b.png"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_FALSE(broken.err.empty());
    EXPECT_EQ(RunCli({"thumbnail", dir / "none.rwk", dir / "b.png"}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "b.png"));
}
