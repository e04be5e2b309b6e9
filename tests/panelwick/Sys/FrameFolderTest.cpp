#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Sys/FrameTimeTable.h"
#include "panelwick/Sys/VideoBinWriter.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string Entries(const std::vector<uint32_t>& times) {
    std::string bytes;
    for (uint32_t t : times) {
        for (int i = 0; i < 4; ++i) bytes.push_back(char(t >> (8 * i)));
    }
    return bytes;
}

std::string Contents(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(Sys::ReadWholeFile(path, bytes));
    return bytes;
}

}  // namespace

TEST(FrameTimeTable, LookupFindsTheFirstEntryNotBeforeTheTarget) {
    TempDir dir;
    fs::create_directory(dir / "v");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "v/video.bin", Entries({50, 100, 100, 150, 200})));
    Sys::FrameTimeTable table;
    ASSERT_TRUE(table.Load(dir.path().string(), "v"));
    ASSERT_EQ(table.count(), 5u);
    // An exact match, between entries 2 and 3, before the first, after the last (one past).
    for (auto [target, frame] :
         {std::pair{150u, 3u}, {120u, 3u}, {0u, 0u}, {49u, 0u}, {201u, 5u}}) {
        EXPECT_EQ(table.FrameFor(target), frame) << target;
    }
    const uint32_t equal = table.FrameFor(100);
    EXPECT_TRUE(equal == 1 || equal == 2);
    EXPECT_EQ(Sys::ReadVideoLength(dir.path().string(), "v"), 200u);
}

TEST(FrameTimeTable, OddSizesEmptyAndMissingFiles) {
    TempDir dir;
    const std::string project = dir.path().string();
    fs::create_directory(dir / "v");
    // 10 bytes: two entries; the length is the 4 bytes at offset 6.
    ASSERT_TRUE(
        Sys::WriteWholeFile(dir / "v/video.bin", Entries({7, 9}) + std::string("\x01\x02", 2)));
    Sys::FrameTimeTable table;
    ASSERT_TRUE(table.Load(project, "v"));
    EXPECT_EQ(table.entries(), (std::vector<uint32_t>{7, 9}));
    EXPECT_EQ(Sys::ReadVideoLength(project, "v"), 0x02010000u);

    ASSERT_TRUE(Sys::WriteWholeFile(dir / "v/video.bin", ""));
    ASSERT_TRUE(table.Load(project, "v"));
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(table.FrameFor(1000), 0u);
    EXPECT_EQ(Sys::ReadVideoLength(project, "v"), 0u);

    ASSERT_TRUE(Sys::WriteWholeFile(dir / "v/video.bin", "abc"));
    EXPECT_EQ(Sys::ReadVideoLength(project, "v"), 0u);

    ASSERT_TRUE(Sys::WriteWholeFile(dir / "v/video.bin", Entries({1, 2, 3})));
    ASSERT_TRUE(table.Load(project, "v"));
    EXPECT_FALSE(table.Load(project, "missing"));
    EXPECT_EQ(table.count(), 0u);  // the old table is gone
    EXPECT_EQ(Sys::ReadVideoLength(project, "missing"), 0u);
}

TEST(FrameFolder, MissingPicturesFallBackToTheFirstOne) {
    TempDir dir;
    const std::string project = dir.path().string();
    fs::create_directory(dir / "v");
    for (const char* name : {"00000001.jpg", "00000002.JPG", "00000003.jpg"}) {
        ASSERT_TRUE(Sys::WriteWholeFile(dir / ("v/" + std::string(name)), "x"));
    }
    EXPECT_EQ(Sys::FramePath(project, "v", 12), project + "/v/00000012.jpg");
    for (auto [frame, name] : {std::pair{3, "00000003.jpg"},
                               {2, "00000002.JPG"},
                               {0, "00000001.jpg"},
                               {4, "00000001.jpg"}}) {
        EXPECT_EQ(Sys::FramePictureToOpen(project, "v", frame), project + "/v/" + name);
    }
}

TEST(FrameFolder, ImportWriterGivesFortyMillisecondsPerPicture) {
    TempDir dir;
    const std::string folder = dir / "clip";
    ASSERT_TRUE(Sys::PrepareFrameFolder(folder));
    for (const char* name : {"00000001.jpg", "00000002.jpg", "00000003.JPG", "notes.txt"}) {
        ASSERT_TRUE(Sys::WriteWholeFile(folder + "/" + name, "x"));
    }
    ASSERT_TRUE(Sys::WriteImportVideoBin(folder).ok());
    EXPECT_EQ(Contents(folder + "/video.bin"), Entries({0, 40, 80}));
    EXPECT_EQ(Sys::ReadVideoLength(dir.path().string(), "clip"), 80u);

    // Preparing again empties the folder.
    fs::create_directory(folder + "/sub");
    ASSERT_TRUE(Sys::PrepareFrameFolder(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    ASSERT_TRUE(Sys::WriteImportVideoBin(folder).ok());
    EXPECT_EQ(Contents(folder + "/video.bin"), "");
    EXPECT_EQ(Sys::WriteImportVideoBin(dir / "missing").message(), "Unable to create video.bin");
}

TEST(FrameFolder, RecordingFoldersAndTheirWriter) {
    TempDir dir;
    const std::string project = dir.path().string();
    ASSERT_TRUE(Sys::CreateEmptyRecordingFolder(project, "New screen recording").ok());
    EXPECT_EQ(Contents(project + "/New screen recording/video.bin"), std::string(4, '\0'));
    EXPECT_EQ(Sys::ReadVideoLength(project, "New screen recording"), 0u);
    EXPECT_EQ(Sys::CreateEmptyRecordingFolder(project, "New screen recording").message(),
              "A folder with that name already exists");
    EXPECT_EQ(Sys::CreateEmptyRecordingFolder(project + "/missing", "x").message(),
              "Unable to create folder");

    Sys::VideoBinWriter writer;
    ASSERT_TRUE(writer.Create(project + "/New screen recording").ok());
    EXPECT_EQ(Contents(project + "/New screen recording/video.bin"), "");  // replaced
    EXPECT_TRUE(writer.Append(51));
    EXPECT_TRUE(writer.Append(Sys::VideoBinWriter::ElapsedMilliseconds(2, 3)));
    writer.Close();
    EXPECT_EQ(Contents(project + "/New screen recording/video.bin"), Entries({51, 666}));
    EXPECT_EQ(Sys::VideoBinWriter::ElapsedMilliseconds(1'234'567'891, 1'000'000'000), 1234u);
    EXPECT_EQ(writer.Create(project + "/missing").message(), "Out to create file video.bin");
}
