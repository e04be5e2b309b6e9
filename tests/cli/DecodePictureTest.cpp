#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

TEST(DecodePicture, WritesAnRgbaPngOrTheLoadersMessage) {
    TempDir dir;
    ASSERT_EQ(RunCommand({"ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc2=s=40x30",
                          "-frames:v", "1", "-pix_fmt", "pal8", dir / "in.gif"})
                  .status,
              0);
    CommandResult decoded = RunCli({"decode-picture", dir / "in.gif", dir / "out.png"});
    ASSERT_EQ(decoded.status, 0) << decoded.err;
    CommandResult probe = RunCommand({"ffprobe", "-v", "error", "-show_entries",
                                      "stream=codec_name,width,height,pix_fmt", "-of", "csv=p=0",
                                      dir / "out.png"});
    EXPECT_EQ(probe.out, "png,40,30,rgba\n");
    // The same pixels as ffmpeg's own decoding of the GIF.
    CommandResult a = RunCommand({"ffmpeg", "-v", "error", "-i", dir / "in.gif", "-f", "rawvideo",
                                  "-pix_fmt", "rgba", "-"});
    CommandResult b = RunCommand({"ffmpeg", "-v", "error", "-i", dir / "out.png", "-f",
                                  "rawvideo", "-pix_fmt", "rgba", "-"});
    EXPECT_EQ(a.out.size(), 40u * 30 * 4);
    EXPECT_EQ(a.out, b.out);

    ASSERT_TRUE(Sys::WriteWholeFile(dir / "in.tif", "x"));
    CommandResult refused = RunCli({"decode-picture", dir / "in.tif", dir / "out2.png"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "The file must be JPG, PNG, GIF of BMP\n");
    EXPECT_FALSE(Sys::FileExists(dir / "out2.png"));
}
