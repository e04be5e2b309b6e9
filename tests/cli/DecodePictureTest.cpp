#include "CliChecks.h"

TEST(DecodePicture, WritesAnRgbaPngOrTheLoadersMessage) {
    TempDir dir;
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=40x30", "-frames:v", "1", "-pix_fmt",
                        "pal8", dir / "in.gif"}));
    CommandResult decoded = RunCli({"decode-picture", dir / "in.gif", dir / "out.png"});
    ASSERT_EQ(decoded.status, 0) << decoded.err;
    EXPECT_EQ(Probe("stream=codec_name,width,height,pix_fmt", dir / "out.png"), "png,40,30,rgba\n");
    // The same pixels as ffmpeg's own decoding of the GIF.
    auto rgba = [](const std::string& path) {
        return RunCommand(
                   {"ffmpeg", "-v", "error", "-i", path, "-f", "rawvideo", "-pix_fmt", "rgba", "-"})
            .out;
    };
    EXPECT_EQ(rgba(dir / "in.gif").size(), 40u * 30 * 4);
    EXPECT_EQ(rgba(dir / "in.gif"), rgba(dir / "out.png"));

    ASSERT_TRUE(Sys::WriteWholeFile(dir / "in.tif", "x"));
    ExpectFailure(RunCli({"decode-picture", dir / "in.tif", dir / "out2.png"}),
                  "The file must be JPG, PNG, GIF of BMP");
    EXPECT_FALSE(Sys::FileExists(dir / "out2.png"));
}
