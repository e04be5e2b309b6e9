#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace {

const std::string kShare = REELWORK_SHARE_DIR;

// Runs a validator on a staged file, when the validator is installed.
void ExpectValid(const std::vector<std::string>& validator, const std::string& file) {
    if (!std::filesystem::exists("/usr/bin/" + validator[0])) return;
    std::vector<std::string> args = validator;
    args.push_back(kShare + file);
    const CommandResult r = RunCommand(args);
    EXPECT_EQ(r.status, 0) << file << "\n" << r.out << r.err;
}

}  // namespace

// The staged menu entry and metainfo pass the freedesktop validators.
TEST(DesktopFiles, EntryAndMetainfoValidate) {
    if (!std::filesystem::exists(std::string(REELWORK_BIN_DIR) + "/reelwork")) GTEST_SKIP();
    ExpectValid({"desktop-file-validate"}, "/applications/org.reelwork.Reelwork.desktop");
    ExpectValid({"appstreamcli", "validate", "--no-net"},
                "/metainfo/org.reelwork.Reelwork.metainfo.xml");
}

// The thumbnailer entry's command line, filled in as a file manager does, writes the thumbnail.
TEST(DesktopFiles, ThumbnailerEntryMakesAThumbnail) {
    std::string entry;
    ASSERT_TRUE(Sys::ReadWholeFile(kShare + "/thumbnailers/reelwork.thumbnailer", entry));
    EXPECT_NE(entry.find("\nMimeType=application/x-reelwork;\n"), std::string::npos);
    TempDir dir;
    ASSERT_EQ(RunCli({"new", dir.path().string(), "P"}).status, 0);
    const size_t exec = entry.find("\nExec=reelwork-cli ") + 6;
    std::vector<std::string> args = {std::string(REELWORK_BIN_DIR) + "/reelwork-cli"};
    for (size_t at = exec + 13, end; entry[at - 1] != '\n'; at = end + 1) {
        end = entry.find_first_of(" \n", at);
        const std::string word = entry.substr(at, end - at);
        args.push_back(word == "%i"   ? dir / "P/P.rwk"
                       : word == "%o" ? dir / "t.png"
                       : word == "%s" ? "128"
                                      : word);
    }
    const CommandResult r = RunCommand(args);
    ASSERT_EQ(r.status, 0) << r.err;
    std::string png;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "t.png", png));
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\x80\0\0\0\x48", 8));  // 128 x 72
}
