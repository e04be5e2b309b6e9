#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "project/PageExportCache.h"
#include "project/UserCacheFolder.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

MovieObject Page(const std::u16string& drawing, uint8_t number) {
    MovieObject page;
    page.type = MovieObjectType::CorelDrawPage;
    page.fileName = drawing;
    page.page = number;
    return page;
}

void Touch(const std::string& path) {
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
}

std::string Read(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// A project folder holding the drawing a.cdr, and a cache in its subfolder "cache".
struct PageExportCacheTest : ::testing::Test {
    TempDir dir;
    const PageExportCache cache{dir.path() / "cache"};
    const std::string project = dir.path().string();
    PageExportCacheTest() { std::ofstream(dir / "a.cdr") << "drawing"; }
};

}  // namespace

// One entry per drawing and page, stable while the drawing stays, new once it is edited; none
// for a drawing that is not there.
TEST_F(PageExportCacheTest, EntriesNameTheDrawingItsPageAndItsVersion) {
    std::ofstream(dir / "b.cdr") << "drawing";
    const fs::path first = cache.Path(project, Page(u"a.cdr", 1));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.parent_path(), dir.path() / "cache");
    EXPECT_EQ(cache.Path(project, Page(u"a.cdr", 1)), first);
    EXPECT_NE(cache.Path(project, Page(u"a.cdr", 2)), first);
    EXPECT_NE(cache.Path(project, Page(u"b.cdr", 1)), first);
    Touch(dir / "a.cdr");
    EXPECT_NE(cache.Path(project, Page(u"a.cdr", 1)), first);
    EXPECT_EQ(cache.Path(project, Page(u"missing.cdr", 1)), fs::path());
    EXPECT_EQ(cache.Path(project, Page(u"", 1)), fs::path());
}

// Keep copies the export under the entry's name, replaces the page's earlier versions only and
// leaves nothing behind when the export cannot be copied.
TEST_F(PageExportCacheTest, KeepCopiesTheExportAndDropsTheEarlierVersion) {
    std::ofstream(dir / "export.png") << "first";
    cache.Keep(dir / "export.png", project, Page(u"a.cdr", 1));
    cache.Keep(dir / "export.png", project, Page(u"a.cdr", 2));
    const fs::path first = cache.Path(project, Page(u"a.cdr", 1));
    EXPECT_EQ(Read(first), "first");
    Touch(dir / "a.cdr");
    std::ofstream(dir / "export.png") << "again";
    cache.Keep(dir / "export.png", project, Page(u"a.cdr", 1));
    EXPECT_EQ(Read(cache.Path(project, Page(u"a.cdr", 1))), "again");
    EXPECT_FALSE(fs::exists(first));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "cache"), {}), 2);
    cache.Keep(dir / "none.png", project, Page(u"a.cdr", 3));
    EXPECT_FALSE(fs::exists(cache.Path(project, Page(u"a.cdr", 3))));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "cache"), {}), 2);
}

// The cache lives in the user's cache folder; without XDG_CACHE_HOME and HOME there is none,
// and keeping an export does nothing.
TEST_F(PageExportCacheTest, FolderFollowsTheEnvironmentAndMayBeAbsent) {
    {
        ScopedEnvironment cache("XDG_CACHE_HOME", dir.path().c_str());
        EXPECT_EQ(UserCacheFolder("pages"), dir.path() / "reelwork/pages");
    }
    {
        ScopedEnvironment cache("XDG_CACHE_HOME", "relative");
        ScopedEnvironment home("HOME", "/home/someone");
        EXPECT_EQ(UserCacheFolder("pages"), fs::path("/home/someone/.cache/reelwork/pages"));
    }
    ScopedEnvironment cache("XDG_CACHE_HOME", nullptr);
    ScopedEnvironment home("HOME", nullptr);
    EXPECT_EQ(UserCacheFolder("pages"), fs::path());
    std::ofstream(dir / "export.png") << "first";
    const PageExportCache none;
    none.Keep(dir / "export.png", project, Page(u"a.cdr", 1));
    EXPECT_EQ(none.Path(project, Page(u"a.cdr", 1)), fs::path());
}
