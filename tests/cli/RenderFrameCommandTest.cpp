#include "CliChecks.h"

namespace {

// A 64 x 36 movie on red with one 8 x 4 blue rectangle in the middle at its own size (scale
// 250000 on a movie 64 pixels wide) and an image object that shows from 2 s on.
std::string MakeProject(const TempDir& dir, const std::string& image) {
    const std::string json = R"({"fps": 10, "width": 64, "height": 36, "backColor": 255,
        "objects": [
          {"type": 2, "begin": 0, "end": 3000, "width": 8, "height": 4, "depth3D": 0,
           "frontColor": 16711680,
           "beginState": {"x": 8000000, "y": 4500000, "sizeX": 250000, "sizeY": 250000},
           "endState": {"x": 8000000, "y": 4500000, "sizeX": 250000, "sizeY": 250000}},
          {"type": 0, "begin": 2000, "end": 3000, "fileName": ")" +
                             image + R"("}]})";
    const CommandResult made = RunCli({"from-json", "-", dir / "p.rwk"}, json);
    EXPECT_EQ(made.status, 0) << made.err;
    return dir / "p.rwk";
}

// Pixel (x, y) of a top-down 24-bit BMP file as blue, green, red.
std::string BmpPixel(const std::string& bytes, int width, int x, int y) {
    return bytes.substr(54 + size_t(y) * width * 3 + size_t(x) * 3, 3);
}

}  // namespace

TEST(RenderFrameCommand, WritesTheComposedFrameLosslessly) {
    TempDir dir;
    const std::string project = MakeProject(dir, "missing.png");
    // The image object cannot be prepared: the loader's message.
    ExpectFailure(RunCli({"render-frame", project, "5", dir / "f.bmp"}),
                  "Error reading the file\nmissing.png");
    ASSERT_TRUE(
        Ffmpeg({"-f", "lavfi", "-i", "color=c=green:s=4x4", "-frames:v", "1", dir / "g.png"}));
    const std::string good = MakeProject(dir, "g.png");
    const CommandResult ok = RunCli({"render-frame", good, "5", dir / "f.bmp"});
    ASSERT_EQ(ok.status, 0) << ok.err;
    const std::string bytes = Read(dir / "f.bmp");
    ASSERT_EQ(bytes.size(), 54u + 64 * 36 * 3);
    EXPECT_EQ(BmpPixel(bytes, 64, 0, 0), std::string("\x00\x00\xff", 3));
    EXPECT_EQ(BmpPixel(bytes, 64, 28, 16), std::string("\xff\x00\x00", 3));
    EXPECT_EQ(BmpPixel(bytes, 64, 35, 19), std::string("\xff\x00\x00", 3));
    EXPECT_EQ(BmpPixel(bytes, 64, 36, 19), std::string("\x00\x00\xff", 3));

    EXPECT_EQ(RunCli({"render-frame", good, "5", dir / "f.jpg"}).status, 0);
    EXPECT_EQ(Read(dir / "f.jpg").substr(0, 2), "\xff\xd8");
    ExpectFailure(RunCli({"render-frame", good, "5", dir / "f.gif"}),
                  "OUT must end in .jpg, .png or .bmp");
}

// The plain kernel, forced through the environment, gives the same frame as the fast one.
TEST(RenderFrameCommand, ForcedScalarPathGivesTheSameBytes) {
    TempDir dir;
    const std::string json = R"({"fps": 10, "width": 160, "height": 90, "objects": [
        {"type": 1, "end": 1000, "text": "Fast", "fontSize": 12, "depth3D": 3,
         "beginState": {"x": 7000000, "y": 4000000, "sizeX": 150000, "sizeY": 150000,
                        "rotZ": 330000, "rotY": 200000, "saturation": 40, "contrast": 190},
         "endState": {"x": 9000000, "y": 5000000, "sizeX": 90000, "sizeY": 110000,
                      "rotZ": 900000, "transparency": 90, "brightness": 200}}]})";
    ASSERT_EQ(RunCli({"from-json", "-", dir / "p.rwk"}, json).status, 0);
    for (const char* frame : {"0", "4", "9"}) {
        // The frame as drawn with REELWORK_FORCE_SCALAR set to `scalar`.
        auto render = [&](const std::string& scalar) {
            const CommandResult r =
                RunCommand({"env", "REELWORK_FORCE_SCALAR=" + scalar, kCli, "render-frame",
                            dir / "p.rwk", frame, dir / (scalar + ".bmp")});
            EXPECT_EQ(r.status, 0) << r.err;
            return Read(dir / (scalar + ".bmp"));
        };
        const std::string a = render("0"), b = render("1");
        EXPECT_EQ(a, b) << "frame " << frame;
        EXPECT_NE(a.find_first_not_of('\xff', 54), std::string::npos);  // text on white
    }
}
