#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "project/PageExportCache.h"
#include "render/ThumbnailKey.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

// A page row's key follows the copy of its last export kept in the user's cache: none before
// one is kept (movie creation's own export is deleted at once), the copy's once kept. Which
// page and version a copy stands for is the cache's own test.
TEST(ThumbnailKey, PageRowsFollowTheKeptExport) {
    TempDir dir;
    ScopedEnvironment cacheHome("XDG_CACHE_HOME", dir.path().c_str());
    const ProjectPaths paths(dir.path().string());
    MovieObject page;
    page.type = MovieObjectType::CorelDrawPage;
    page.fileName = u"drawing.cdr";
    std::ofstream(dir / "drawing.cdr") << "drawing";
    fs::create_directory(paths.tmp());
    std::ofstream(paths.pageExport()) << "exported";
    EXPECT_EQ(ThumbnailKey::OfObject(page, paths), "");
    PageExportCache().Keep(paths.pageExport(), paths.folder(), page);
    const std::string kept = ThumbnailKey::OfObject(page, paths);
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(ThumbnailKey::FileOf(kept), PageExportCache().Path(paths.folder(), page).string());
}

// A video row shows its first frame; a text names a font, not a file.
TEST(ThumbnailKey, VideosNameTheirFirstFrameAndTextsNoFile) {
    TempDir dir;
    const ProjectPaths paths(dir.path().string());
    MovieObject video;
    video.type = MovieObjectType::Video;
    video.fileName = u"clip";
    fs::create_directory(dir / "clip");
    std::ofstream(dir / "clip/00000001.jpg") << "x";
    EXPECT_EQ(ThumbnailKey::FileOf(ThumbnailKey::OfObject(video, paths)),
              dir / "clip/00000001.jpg");
    video.type = MovieObjectType::Text;
    EXPECT_EQ(ThumbnailKey::OfObject(video, paths), "");
}
