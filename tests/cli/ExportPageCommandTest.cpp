#include "CliChecks.h"
#include "support/Corpus.h"

namespace {

uint32_t BigEndian32(const std::string& bytes, size_t at) {
    return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
           uint32_t(uint8_t(bytes[at + 2])) << 8 | uint8_t(bytes[at + 3]);
}

}  // namespace

TEST(ExportPageCommand, WritesThePageOrSaysWhyNot) {
    const std::string probe = CorpusFile("cdr/probe.cdr");
    if (probe.empty()) GTEST_SKIP() << "shared/corpora/cdr/probe.cdr not found";
    TempDir dir;
    CommandResult made = RunCli({"export-page", probe, "1", dir / "page.png"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, dir / "page.png" + "\n");
    const std::string png = Read(dir / "page.png");
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian32(png, 16), 1275u);
    EXPECT_EQ(BigEndian32(png, 20), 1650u);
    EXPECT_EQ(png[25], 6);  // colour type: RGBA

    ExpectFailure(RunCli({"export-page", probe, "2", dir / "two.png"}), "Invalid page: " + probe);
    ExpectFailure(RunCli({"export-page", dir / "none.cdr", "1", dir / "x.png"}),
                  "Missing file: " + (dir / "none.cdr"));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "cut.cdr", Read(probe).substr(0, 4000)));
    CommandResult unreadable = RunCli({"export-page", dir / "cut.cdr", "1", dir / "x.png"});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find(" raised an exception\r\n\r\nSource: CorelDRAW.Application\r\n"),
              std::string::npos)
        << unreadable.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
}
