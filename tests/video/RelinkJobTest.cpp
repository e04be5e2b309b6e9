#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PngWriter.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "project/Document.h"
#include "project/MissingFiles.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"
#include "video/RelinkJob.h"

namespace fs = std::filesystem;

namespace {

MovieObject Named(MovieObjectType type, const char16_t* name) {
    MovieObject o;
    o.type = type;
    o.fileName = name;
    return o;
}

}  // namespace

// Missing files are listed once each; locating one brings it and its missing neighbours in.
TEST(RelinkJob, LocatingAFileRelinksItAndTheSameNamesInItsFolder) {
    TempDir dir;
    const std::string project = dir / "P", found = dir / "found";
    fs::create_directories(project);
    fs::create_directories(found);
    ASSERT_TRUE(Sys::WriteWholeFile(project + "/here.png", "x"));
    Document document;
    document.SetFile(project + "/P.rwk", project);
    document.objects = {
        Named(MovieObjectType::Image, u"here.png"),   Named(MovieObjectType::Image, u"beach.png"),
        Named(MovieObjectType::Text, u"Arial"),       Named(MovieObjectType::Audio, u"song.wav"),
        Named(MovieObjectType::Image, u"beach.png"),  Named(MovieObjectType::Video, u"clip"),
        Named(MovieObjectType::Image, u"nowhere.png")};
    const std::vector<MissingFiles::Entry> missing = MissingFiles::Find(document);
    ASSERT_EQ(missing.size(), 4u);
    EXPECT_EQ(missing[0].name, "beach.png");
    EXPECT_EQ(missing[0].objects, 2);
    EXPECT_EQ(missing[1].name, "song.wav");
    EXPECT_EQ(missing[2].type, MovieObjectType::Video);

    CG::ImageRGBA picture;
    ASSERT_TRUE(picture.Create(4, 4));
    ASSERT_TRUE(CG::PngWriter::Save(picture, found + "/new beach.png").ok());
    WriteWave(found + "/song.wav", Constant(4410, 2, 7), 2);
    RelinkJob job;
    job.Plan(project, missing, 0, found + "/new beach.png");
    ASSERT_TRUE(job.Run(Mt::Task::Unwatched()).ok());
    job.ApplyTo(document);
    EXPECT_EQ(Sys::ToUtf8(document.objects[1].fileName), "new beach.png");
    EXPECT_EQ(Sys::ToUtf8(document.objects[4].fileName), "new beach.png");
    EXPECT_EQ(Sys::ToUtf8(document.objects[3].fileName), "song.wav");
    EXPECT_TRUE(fs::exists(project + "/song.wav"));
    const std::vector<MissingFiles::Entry> left = MissingFiles::Find(document);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].name, "clip");
    EXPECT_EQ(left[1].name, "nowhere.png");
    ASSERT_TRUE(document.Undo());  // one undo point; the copies stay, so song.wav is found
    EXPECT_EQ(MissingFiles::Find(document).size(), 3u);
    EXPECT_EQ(MissingFiles::Find(document)[0].name, "beach.png");

    RelinkJob gone;
    gone.Plan(project, missing, 3, found + "/vanished.png");
    const Mt::TaskResult result = gone.Run(Mt::Task::Unwatched());
    EXPECT_TRUE(result.failed());
    EXPECT_NE(result.message().find("\n" + found + "/vanished.png"), std::string::npos);
}
