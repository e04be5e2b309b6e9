#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace {

const std::string kShare = REELWORK_SHARE_DIR;
const std::string kId = "org.reelwork.Reelwork";

bool Installed(const std::string& program) {
    return std::filesystem::exists("/usr/bin/" + program);
}

// The value of a key of a desktop-style entry file.
std::string Value(const std::string& text, const std::string& key) {
    const size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return {};
    const size_t from = at + key.size() + 2;
    return text.substr(from, text.find('\n', from) - from);
}

}  // namespace

// The staged menu entry and metainfo pass the freedesktop validators, and name each other.
TEST(DesktopFiles, EntryAndMetainfoValidate) {
    const std::string entry = kShare + "/applications/" + kId + ".desktop";
    const std::string metainfo = kShare + "/metainfo/" + kId + ".metainfo.xml";
    if (!std::filesystem::exists(entry)) GTEST_SKIP() << "built without the GUI";
    if (Installed("desktop-file-validate")) {
        const CommandResult r = RunCommand({"desktop-file-validate", entry});
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(r.out, "");
    }
    if (Installed("appstreamcli")) {
        const CommandResult r = RunCommand({"appstreamcli", "validate", "--no-net", metainfo});
        EXPECT_EQ(r.status, 0) << r.out << r.err;
    }
    std::string text;
    ASSERT_TRUE(Sys::ReadWholeFile(metainfo, text));
    EXPECT_NE(text.find("<launchable type=\"desktop-id\">" + kId + ".desktop<"), std::string::npos);
    EXPECT_EQ(text.find('@'), std::string::npos);  // every placeholder filled in
}

// The thumbnailer entry's command line, filled in as a file manager does, writes the thumbnail.
TEST(DesktopFiles, ThumbnailerEntryMakesAThumbnail) {
    std::string entry;
    ASSERT_TRUE(Sys::ReadWholeFile(kShare + "/thumbnailers/reelwork.thumbnailer", entry));
    EXPECT_EQ(Value(entry, "MimeType"), "application/x-reelwork;");
    TempDir dir;
    const CommandResult made = RunCli({"new", dir.path().string(), "P"});
    ASSERT_EQ(made.status, 0) << made.err;
    std::vector<std::string> args;
    std::string exec = Value(entry, "Exec") + " ";
    for (size_t at = 0, end; (end = exec.find(' ', at)) != std::string::npos; at = end + 1) {
        const std::string word = exec.substr(at, end - at);
        if (word == "%i")
            args.push_back(dir / "P/P.rwk");
        else if (word == "%o")
            args.push_back(dir / "t.png");
        else if (word == "%s")
            args.push_back("128");
        else
            args.push_back(word == "reelwork-cli" ? std::string(REELWORK_BIN_DIR) + "/" + word
                                                  : word);
    }
    const CommandResult r = RunCommand(args);
    ASSERT_EQ(r.status, 0) << r.err;
    std::string png;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "t.png", png));
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\x80\0\0\0\x48", 8));  // 128 x 72
}

// The icon is staged as SVG and in every fixed size of the theme, each PNG of its own size.
TEST(DesktopFiles, IconInEverySize) {
    EXPECT_TRUE(std::filesystem::exists(kShare + "/icons/hicolor/scalable/apps/reelwork.svg"));
    if (!Installed("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string s = std::to_string(size);
        std::string png;
        ASSERT_TRUE(Sys::ReadWholeFile(
            kShare + "/icons/hicolor/" + s + "x" + s + "/apps/reelwork.png", png))
            << s;
        ASSERT_GT(png.size(), 24u);
        const auto be16 = [&](size_t at) { return uint8_t(png[at]) << 8 | uint8_t(png[at + 1]); };
        EXPECT_EQ(be16(18), size);  // the header's width
        EXPECT_EQ(be16(22), size);  // and height
    }
}
