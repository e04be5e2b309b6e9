#include <chrono>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "render/ThumbnailKey.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

// A page row's key follows movie creation's export: none before it, the same while the file
// stays, a new one when it is written again, none once it is deleted.
TEST(ThumbnailKey, PageRowsFollowTheExportedPicture) {
    TempDir dir;
    const ProjectPaths paths(dir.path().string());
    MovieObject page;
    page.type = MovieObjectType::CorelDrawPage;
    page.fileName = u"drawing.cdr";
    EXPECT_EQ(ThumbnailKey::OfObject(page, paths), "");
    fs::create_directory(paths.tmp());
    std::ofstream(paths.pageExport()) << "first";
    const std::string first = ThumbnailKey::OfObject(page, paths);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(ThumbnailKey::FileOf(first), paths.pageExport());
    EXPECT_EQ(ThumbnailKey::OfObject(page, paths), first);
    std::ofstream(paths.pageExport()) << "again";  // the same size, written later
    fs::last_write_time(paths.pageExport(),
                        fs::last_write_time(paths.pageExport()) + std::chrono::seconds(2));
    EXPECT_NE(ThumbnailKey::OfObject(page, paths), first);
    fs::remove(paths.pageExport());
    EXPECT_EQ(ThumbnailKey::OfObject(page, paths), "");
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
