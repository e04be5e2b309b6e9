#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "panelwick/Sys/FileSystem.h"
#include "project/ProjectFile.h"
#include "support/TempDir.h"

namespace {

std::vector<MovieObject> FiveObjects() {
    std::vector<MovieObject> objects(5);
    for (size_t i = 0; i < objects.size(); ++i) {
        objects[i].begin = uint32_t(i * 1000);
        objects[i].end = uint32_t(i * 1000 + 500);
        objects[i].fileName = u"pic" + std::u16string(i, u'x') + u".png";
    }
    return objects;
}

Sys::Result LoadBytes(const TempDir& dir, const std::string& bytes,
                      std::vector<MovieObject>& objects, MovieProperties& p) {
    const std::string path = dir / "p.rwk";
    EXPECT_TRUE(Sys::WriteWholeFile(path, bytes));
    return ProjectFile::Load(path, p, objects);
}

}  // namespace

TEST(ProjectFile, EmptyProjectIsNineteenBytes) {
    TempDir dir;
    MovieProperties p = MovieProperties::AfterNew();
    ASSERT_TRUE(ProjectFile::Save(dir / "e.rwk", p, {}).ok());
    std::string bytes;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "e.rwk", bytes));
    EXPECT_EQ(bytes, std::string("\x01\x00\x18\x46\x5a\x00\x05\xd0\x02\xff\xff\xff\x00\x01\x00"
                                 "\x00\x00\x00\x00", 19));
}

TEST(ProjectFile, TruncationsNameTheFirstMissingField) {
    TempDir dir;
    ASSERT_TRUE(ProjectFile::Save(dir / "full.rwk", MovieProperties{}, FiveObjects()).ok());
    std::string full;
    ASSERT_TRUE(Sys::ReadWholeFile(dir / "full.rwk", full));
    const std::pair<size_t, const char*> cases[] = {
        {0, "Unable to load version file"},      {1, "Unable to subversion file"},
        {2, "Unable to load fps"},                {3, "Unable to load movie quality"},
        {4, "Unable to load JPG quality"},        {5, "Unable to load movie width"},
        {8, "Unable to load movie height"},       {9, "Unable to load movie back color"},
        {13, "Unable to load normalize volume"},  {14, "Unable to load dark theme"},
        {18, "Unable to load object count"},      {19, "Unable to load movie object"},
    };
    for (auto [size, message] : cases) {
        std::vector<MovieObject> objects;
        MovieProperties p;
        EXPECT_EQ(LoadBytes(dir, full.substr(0, size), objects, p).message(), message) << size;
    }
    // Cut inside the fifth record: the first four and the header stay loaded.
    std::vector<MovieObject> objects;
    MovieProperties p;
    p.fps = 1;
    EXPECT_EQ(LoadBytes(dir, full.substr(0, full.size() - 50), objects, p).message(),
              "Unable to load movie object");
    ASSERT_GE(objects.size(), 5u);
    EXPECT_EQ(p.fps, 25);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(objects[i], FiveObjects()[i]);
}

TEST(ProjectFile, ExtensionRulesAndMissingFile) {
    TempDir dir;
    MovieProperties p;
    std::vector<MovieObject> objects;
    EXPECT_EQ(ProjectFile::Load("", p, objects).message(), "The file name is invalid");
    EXPECT_EQ(ProjectFile::Load(dir / "a.rwkrwkrw", p, objects).message(),
              "The file type is invalid");  // more than 7 characters after the dot
    EXPECT_EQ(ProjectFile::Load(dir / "a.", p, objects).message(), "The file type is invalid");
    EXPECT_EQ(ProjectFile::Load(dir / "a.rwk2", p, objects).message(),
              "The file must be a Reelwork file (*.rwk)");
    EXPECT_EQ(ProjectFile::Load(dir / "abc", p, objects).message(), "The file type is invalid");
    EXPECT_EQ(ProjectFile::Load(dir / "a.txt", p, objects).message(),
              "The file must be a Reelwork file (*.rwk)");
    EXPECT_EQ(ProjectFile::Load(dir / "a.rwk", p, objects).message(), "The file could not be found");

    ASSERT_TRUE(ProjectFile::Save(dir / "UP.RWK", p, FiveObjects()).ok());
    EXPECT_TRUE(ProjectFile::Load(dir / "UP.RWK", p, objects).ok());
    EXPECT_EQ(objects, FiveObjects());
}

TEST(ProjectFile, AnyVersionBytesLoadAndHugeCountsFailAtOnce) {
    TempDir dir;
    MovieProperties p;
    std::vector<MovieObject> objects;
    std::string header("\x07\x09\x18\x46\x5a\x00\x05\xd0\x02\xff\xff\xff\x00\x05\x00"
                       "\x00\x00\x00\x00", 19);
    ProjectFileExtras extras;
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "v.rwk", header + "tail"));
    ASSERT_TRUE(ProjectFile::Load(dir / "v.rwk", p, objects, &extras).ok());
    EXPECT_TRUE(p.normalizeVolume);
    EXPECT_EQ(extras.version, 7);
    EXPECT_EQ(extras.normalizeVolumeByte, 5);
    EXPECT_EQ(extras.trailing, "tail");

    header.replace(15, 4, "\xff\xff\xff\xff");
    EXPECT_EQ(LoadBytes(dir, header + std::string(11, 'z'), objects, p).message(),
              "Unable to load movie object");
    EXPECT_LE(objects.size(), 1u);
}

TEST(ProjectFile, FailedSaveKeepsThePreviousFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempDir dir;
    const std::string path = dir / "keep.rwk";
    ASSERT_TRUE(ProjectFile::Save(path, MovieProperties{}, FiveObjects()).ok());
    std::string before;
    ASSERT_TRUE(Sys::ReadWholeFile(path, before));
    chmod(dir.path().c_str(), 0555);
    const Sys::Result r = ProjectFile::Save(path, MovieProperties{}, {});
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(r.message(), "Unable to create the file\nPermission denied");
    std::string after;
    ASSERT_TRUE(Sys::ReadWholeFile(path, after));
    EXPECT_EQ(after, before);
}

TEST(ProjectFile, SaveIntoAFileInsteadOfAFolderSaysWhy) {
    TempDir dir;
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "plain", "x"));
    EXPECT_EQ(ProjectFile::Save(dir / "plain/p.rwk", MovieProperties{}, {}).message(),
              "Unable to create the file\nNot a directory");
}

TEST(ProjectFile, FullDiskReportsTheLastFieldWithTheReasonAndKeepsThePreviousFile) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
    TempDir dir;
    const std::string path = dir / "keep.rwk";
    ASSERT_TRUE(ProjectFile::Save(path, MovieProperties{}, FiveObjects()).ok());
    // The temporary file beside the project is a link to a device that is always full.
    ASSERT_EQ(symlink("/dev/full", (path + ".saving").c_str()), 0);
    EXPECT_EQ(ProjectFile::Save(path, MovieProperties{}, FiveObjects()).message(),
              "Unable to save movie object\nNo space left on device");
    std::vector<MovieObject> objects;
    MovieProperties p;
    ASSERT_TRUE(ProjectFile::Load(path, p, objects).ok());
    EXPECT_EQ(objects, FiveObjects());
}
