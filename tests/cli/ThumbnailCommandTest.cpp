#include <cstdlib>
#include <set>

#include "CliChecks.h"

namespace {

// A PNG's size from its header, and its pixels as red, green, blue bytes through ffmpeg
// (scaled to `scale` first when given).
struct Picture {
    int width = 0, height = 0;
    std::string rgb;

    explicit Picture(const std::string& path, const std::string& scale = {}) {
        const std::string png = Read(path);
        if (png.size() < 24) return;
        width = uint8_t(png[18]) << 8 | uint8_t(png[19]);
        height = uint8_t(png[22]) << 8 | uint8_t(png[23]);
        std::vector<std::string> args = {"ffmpeg", "-v", "error", "-i", path};
        if (!scale.empty()) args.insert(args.end(), {"-vf", "scale=" + scale + ":flags=area"});
        args.insert(args.end(), {"-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
        rgb = RunCommand(args).out;
    }
    bool AllOf(const std::string& colour) const {
        std::string all;
        for (int i = 0; i < width * height; ++i) all += colour;
        return !rgb.empty() && rgb == all;
    }
};

// A white movie at 10 frames a second with the given objects (JSON).
std::string MakeProject(const TempDir& dir, int width, int height, const std::string& objects) {
    const std::string json = R"({"fps": 10, "backColor": 16777215, "width": )" +
                             std::to_string(width) + R"(, "height": )" + std::to_string(height) +
                             R"(, "objects": [)" + objects + "]}";
    EXPECT_EQ(RunCli({"from-json", "-", dir / "p.rwk"}, json).status, 0);
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

const std::string kRed("\xff\x00\x00", 3), kBlue("\x00\x00\xff", 3);

}  // namespace

// The sample project: 256 pixels wide with the movie's aspect, showing what the full-size frame
// at one second shows, scaled down.
TEST(ThumbnailCommand, SampleProjectLooksLikeItsFrameAtOneSecond) {
    TempDir dir;
    ASSERT_EQ(RunCli({"new", dir.path().string(), "Sample"}).status, 0);
    const std::string project = dir / "Sample/Sample.rwk";
    const std::string json = std::string(REELWORK_SOURCE_DIR) + "/resources/demo/Sample.json";
    ASSERT_EQ(RunCli({"from-json", json, project}).status, 0);

    const CommandResult thumb = RunCli({"thumbnail", project, dir / "t.png"});
    ASSERT_EQ(thumb.status, 0) << thumb.err;
    const Picture small(dir / "t.png");
    EXPECT_EQ(small.width, 256);
    EXPECT_EQ(small.height, 144);
    ASSERT_EQ(small.rgb.size(), 256u * 144 * 3);
    std::set<std::string> colours;
    for (size_t i = 0; i < small.rgb.size(); i += 3) colours.insert(small.rgb.substr(i, 3));
    EXPECT_GT(colours.size(), 200u);  // the picture, the bar and the title, not a flat frame

    // 24 frames a second: frame 24 is at one second.
    ASSERT_EQ(RunCli({"render-frame", project, "24", dir / "full.png"}).status, 0);
    const Picture scaled(dir / "full.png", "256:144");
    ASSERT_EQ(scaled.rgb.size(), small.rgb.size());
    long difference = 0;
    for (size_t i = 0; i < small.rgb.size(); ++i) {
        difference += std::abs(int(uint8_t(small.rgb[i])) - int(uint8_t(scaled.rgb[i])));
    }
    EXPECT_LT(double(difference) / double(small.rgb.size()), 3.0);
    EXPECT_EQ(RunCli({"thumbnail", project, dir / "x.png", "--size", "8"}).status, 1);
}

// The frame at one second, or the last frame of a shorter movie; a tall movie fits by height.
TEST(ThumbnailCommand, ShowsTheFrameAtOneSecondOrTheLastFrame) {
    TempDir dir;
    std::string project =
        MakeProject(dir, 160, 90, FullFrame(1000, 1000, 255) + "," + FullFrame(2000, 3000, 0));
    ASSERT_EQ(RunCli({"thumbnail", project, dir / "a.png", "--size", "32"}).status, 0);
    const Picture second(dir / "a.png");
    EXPECT_EQ(second.height, 18);
    EXPECT_TRUE(second.AllOf(kRed));  // shown at exactly 1 s only

    // Five frames (0.5 s at 10 a second): the last is at 400 ms.
    project = MakeProject(dir, 90, 160, FullFrame(400, 500, 0xff0000));
    ASSERT_EQ(RunCli({"thumbnail", project, dir / "b.png", "--size", "32"}).status, 0);
    const Picture last(dir / "b.png");
    EXPECT_EQ(last.width, 18);
    EXPECT_EQ(last.height, 32);
    EXPECT_TRUE(last.AllOf(kBlue));
}

// Missing pictures are left out of the thumbnail; a project that cannot be read gives none.
TEST(ThumbnailCommand, SkipsMissingPicturesAndFailsOnUnreadableProjects) {
    TempDir dir;
    const std::string project =
        MakeProject(dir, 160, 90,
                    FullFrame(0, 2000, 255) + R"(,{"type": 0, "end": 2000, "fileName": "no.jpg"})");
    const CommandResult made = RunCli({"thumbnail", project, dir / "a.png", "--size", "16"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(Picture(dir / "a.png").AllOf(kRed));

    ASSERT_TRUE(Sys::WriteWholeFile(dir / "broken.rwk", "not a project"));
    for (const char* project : {"broken.rwk", "none.rwk"}) {
        const CommandResult failed = RunCli({"thumbnail", dir / project, dir / "b.png"});
        EXPECT_EQ(failed.status, 1) << project;
        EXPECT_NE(failed.err, "") << project;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "b.png"));
}
