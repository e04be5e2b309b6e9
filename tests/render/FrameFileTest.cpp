#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "render/FrameFile.h"
#include "render/RectanglePicture.h"
#include "support/TempDir.h"

// A frame that cannot be written keeps its message and adds the system's reason on a line of
// its own; the same memory writes the frame once the folder is there.
TEST(FrameFile, AFailedWriteAddsTheSystemsReason) {
    TempDir project;
    std::vector<MovieObject> objects(1);
    objects[0].type = MovieObjectType::Rectangle;
    std::vector<PreparedObject> prepared(1);
    ASSERT_TRUE(MakeRectanglePicture(objects[0], prepared[0].picture).ok());
    MovieProperties properties;
    properties.width = 32;
    properties.height = 18;
    const FrameScene scene{objects, prepared, properties, project.path().string()};
    WorkMemory memory;
    ASSERT_TRUE(memory.Reset(32, 18));

    ASSERT_TRUE(Sys::WriteWholeFile(project / "tmp", "a file where the folder belongs"));
    EXPECT_EQ(WriteFrameFile(scene, 0, 1, memory).message(),
              "Document::CreateFrame error workMemory.jpgImage.Encode\nNot a directory");

    std::filesystem::remove(project.path() / "tmp");
    std::filesystem::create_directory(project.path() / "tmp");
    EXPECT_TRUE(WriteFrameFile(scene, 0, 1, memory).ok());
    EXPECT_TRUE(std::filesystem::exists(FrameFilePath(project.path().string(), 1)));
}
