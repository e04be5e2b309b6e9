#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(FileSystem, FilesAndFoldersAreToldApartListedEmptiedAndDeleted) {
    TempDir dir;
    fs::create_directories(dir.path() / "a/b/c");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "a/b/c/f.jpg", "1"));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "a/g.JPG", "2"));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "a/h.png", "3"));
    EXPECT_TRUE(Sys::FileExists(dir / "a/g.JPG"));
    EXPECT_FALSE(Sys::FolderExists(dir / "a/g.JPG"));
    EXPECT_FALSE(Sys::FileExists(dir / "a"));
    EXPECT_FALSE(Sys::FolderExists(dir / "missing"));
    EXPECT_EQ(Sys::ListFilesWithExtension(dir / "a", ".jpg"), std::vector<std::string>{"g.JPG"});
    EXPECT_EQ(Sys::ListSubFolders(dir / "a"), std::vector<std::string>{"b"});

    EXPECT_TRUE(Sys::EmptyFolder(dir / "a"));
    EXPECT_TRUE(Sys::FolderExists(dir / "a"));  // emptied, still there
    EXPECT_TRUE(fs::is_empty(dir / "a"));
    EXPECT_TRUE(Sys::EmptyFolder(dir / "missing"));

    fs::create_directories(dir.path() / "a/x");
    EXPECT_TRUE(Sys::DeleteFolderTree(dir / "a"));
    EXPECT_FALSE(fs::exists(dir / "a"));
    EXPECT_FALSE(Sys::DeleteFolderTree(dir / "a"));
}

TEST(FileSystem, TitleAndFolderFollowTheLengthRules) {
    std::string out;
    for (auto [path, title] :
         {std::pair{"/d/Trip.rwk", "Trip"}, {"/d/a.b.c", "a.b"}, {"/d/noext", "noext"}}) {
        ASSERT_TRUE(Sys::FileTitle(path, out));
        EXPECT_EQ(out, title);
    }
    EXPECT_FALSE(Sys::FileTitle("a.b", out));

    ASSERT_TRUE(Sys::FolderOf("/d/Trip/Trip.rwk", out));
    EXPECT_EQ(out, "/d/Trip");
    EXPECT_FALSE(Sys::FolderOf("/x.rwk", out));  // the only '/' is the first character
    EXPECT_FALSE(Sys::FolderOf("a/bc", out));    // shorter than 5
    EXPECT_FALSE(Sys::FolderOf("abcdef", out));

    EXPECT_EQ(Sys::LowerExtension("/a/b.RWK", 7), "rwk");
    EXPECT_EQ(Sys::LowerExtension("/a.d/b", 7), "d/b");
    EXPECT_EQ(Sys::LowerExtension("/a/b.", 7), "");
    EXPECT_EQ(Sys::LowerExtension("/a/b.abcdefgh", 7), "");
}

TEST(Utf, RoundTripsAndReplacesBrokenSequences) {
    const std::u16string text = u"Grüße \U0001F3AC film";
    EXPECT_EQ(Sys::ToUtf16(Sys::ToUtf8(text)), text);
    EXPECT_TRUE(Sys::IsValidUtf16(text));
    const std::u16string lone{u'a', char16_t(0xD800), u'b'};
    EXPECT_FALSE(Sys::IsValidUtf16(lone));
    EXPECT_EQ(Sys::ToUtf8(lone),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(Sys::ToUtf16("\xC3"), std::u16string(1, char16_t(0xFFFD)));
    EXPECT_EQ(Sys::ToUtf16("\xC0\x80"), std::u16string(2, char16_t(0xFFFD)));  // overlong
}
