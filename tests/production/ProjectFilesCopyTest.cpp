#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "production/ProjectFilesCopy.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

MovieObject Using(MovieObjectType type, const char16_t* name) {
    MovieObject o;
    o.type = type;
    o.fileName = name;
    return o;
}

}  // namespace

TEST(ProjectFilesCopy, CopiesFilesAndFrameFoldersOnceAndKeepsWhatIsThere) {
    TempDir dir;
    fs::create_directories(dir.path() / "old/clip");
    fs::create_directories(dir.path() / "new");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "old/a.jpg", std::string(1000, 'a')));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "old/clip/video.bin", std::string(8, 'v')));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "old/clip/00000001.jpg", std::string(92, 'f')));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "old/s.wav", "old sound"));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "new/s.wav", "kept"));
    const std::vector<MovieObject> objects = {Using(MovieObjectType::Image, u"a.jpg"),
                                              Using(MovieObjectType::Image, u"a.jpg"),
                                              Using(MovieObjectType::Video, u"clip"),
                                              Using(MovieObjectType::Audio, u"s.wav"),
                                              Using(MovieObjectType::Text, u""),
                                              Using(MovieObjectType::Image, u"missing.png"),
                                              Using(MovieObjectType::Image, u"../outside.jpg")};

    const ProjectFilesCopy copy(objects, dir / "old", dir / "new");
    EXPECT_EQ(copy.files().size(), 3u);
    EXPECT_EQ(copy.bytes(), 1100u);
    Mt::Task task;
    ASSERT_TRUE(copy.Run(task).ok());
    EXPECT_EQ(fs::file_size(dir.path() / "new/a.jpg"), 1000u);
    EXPECT_TRUE(fs::exists(dir.path() / "new/clip/video.bin"));
    EXPECT_EQ(fs::file_size(dir.path() / "new/clip/00000001.jpg"), 92u);
    std::string kept;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "new/s.wav", kept));
    EXPECT_EQ(kept, "kept");
    EXPECT_DOUBLE_EQ(task.progressValue().Get(), 1.0);

    // Nothing to do into the same folder; a stop request stops before the first file.
    EXPECT_TRUE(ProjectFilesCopy(objects, dir / "old", dir / "old").files().empty());
    const ProjectFilesCopy again(objects, dir / "old", dir / "third");
    Mt::Task stopped;
    stopped.Cancel();
    EXPECT_TRUE(again.Run(stopped).stopped());
    EXPECT_FALSE(fs::exists(dir.path() / "third/a.jpg"));

    // A target that cannot be written names the file.
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "plain", "x"));
    Mt::Task failing;
    const Mt::TaskResult failed =
        ProjectFilesCopy(objects, dir / "old", dir / "plain").Run(failing);
    EXPECT_TRUE(failed.failed());
    EXPECT_EQ(failed.message().rfind("Unable to copy ", 0), 0u) << failed.message();
}
