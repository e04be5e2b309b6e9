#include "CliChecks.h"

TEST(EncodeJpegCommand, WritesABaselineJpgAtTheGivenQuality) {
    TempDir dir;
    const std::string in = std::string(REELWORK_SOURCE_DIR) + "/resources/sample.jpg";
    ASSERT_EQ(RunCli({"encode-jpeg", in, dir / "q90.jpg"}).status, 0);
    ASSERT_EQ(RunCli({"encode-jpeg", in, dir / "q20.jpg", "--quality", "20"}).status, 0);
    const std::string q90 = Read(dir / "q90.jpg"), q20 = Read(dir / "q20.jpg");
    ASSERT_GT(q90.size(), 4u);
    EXPECT_EQ(q90.substr(0, 4), "\xff\xd8\xff\xe0");
    EXPECT_EQ(q90.substr(q90.size() - 2), "\xff\xd9");
    EXPECT_EQ(q20.substr(0, 2), "\xff\xd8");
    EXPECT_LT(q20.size(), q90.size());
    EXPECT_EQ(RunCli({"decode-picture", dir / "q90.jpg", dir / "back.png"}).status, 0);
    ExpectFailure(RunCli({"encode-jpeg", dir / "none.tif", dir / "x.jpg"}),
                  "The file must be JPG, PNG, GIF of BMP");
}
