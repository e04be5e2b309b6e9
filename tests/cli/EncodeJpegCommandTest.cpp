#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

TEST(EncodeJpegCommand, WritesABaselineJpgAtTheGivenQuality) {
    TempDir dir;
    const std::string in = std::string(REELWORK_SOURCE_DIR) + "/resources/sample.jpg";
    ASSERT_EQ(RunCli({"encode-jpeg", in, dir / "q90.jpg"}).status, 0);
    ASSERT_EQ(RunCli({"encode-jpeg", in, dir / "q20.jpg", "--quality", "20"}).status, 0);
    std::string q90, q20;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "q90.jpg", q90));
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "q20.jpg", q20));
    EXPECT_EQ(q90.substr(0, 4), "\xff\xd8\xff\xe0");
    EXPECT_EQ(q90.substr(q90.size() - 2), "\xff\xd9");
    EXPECT_LT(q20.size(), q90.size());
    EXPECT_EQ(RunCli({"decode-picture", dir / "q90.jpg", dir / "back.png"}).status, 0);

    CommandResult bad = RunCli({"encode-jpeg", dir / "none.tif", dir / "x.jpg"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "The file must be JPG, PNG, GIF of BMP\n");
}
