#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "project/CustomColors.h"
#include "project/Document.h"
#include "support/FakePrompt.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(Document, NewCreatesTheFolderWithSamplesAndTwoObjects) {
    TempDir dir;
    Document doc;
    FakePrompt prompt;
    ASSERT_TRUE(doc.New(dir / "Trip.xyz", prompt)) << prompt.errors.at(0);
    const fs::path f = dir.path() / "Trip";
    EXPECT_EQ(doc.folder(), f.string());
    EXPECT_EQ(doc.file(), (f / "Trip.rwk").string());
    for (const char* name : {"Trip.rwk", "sample.jpg", "sample.wav", "customColor.bin"}) {
        EXPECT_TRUE(fs::is_regular_file(f / name)) << name;
    }
    EXPECT_EQ(fs::file_size(f / "customColor.bin"), 64u);
    ASSERT_EQ(doc.objects.size(), 2u);
    EXPECT_EQ(doc.objects[0].fileName, u"sample.jpg");
    EXPECT_EQ(doc.objects[0].beginState.x, 12500000);
    EXPECT_EQ(doc.objects[0].endState.x, 3500000);
    EXPECT_EQ(doc.objects[0].endState.sizeY, 12500);
    EXPECT_EQ(doc.objects[1].type, MovieObjectType::Audio);
    EXPECT_EQ(doc.objects[1].end, 3000u);
    EXPECT_EQ(doc.properties.fps, 24);
    EXPECT_TRUE(doc.saved());

    Document second;
    EXPECT_FALSE(second.New(dir / "Trip", prompt));
    EXPECT_EQ(prompt.errors.back(), "A folder with this name already exist");
    EXPECT_FALSE(second.New("a/b", prompt));
    EXPECT_EQ(prompt.errors.back(), "Invalid filename");
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "plain", "x"));
    EXPECT_FALSE(second.New(dir / "plain/Q.rwk", prompt));
    EXPECT_EQ(prompt.errors.back(), "Unable to create the project folder\nNot a directory");
}

TEST(Document, OpenReadsWhatWasSavedAndCustomColours) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    ASSERT_TRUE(doc.New(dir / "P", prompt));
    CustomColors::Shared()[3] = 0x00123456;
    doc.properties.height = 360;
    ASSERT_TRUE(doc.Save().ok());
    CustomColors::Shared()[3] = 0;

    Document other;
    ASSERT_TRUE(other.Open(doc.file(), prompt));
    EXPECT_EQ(other.objects, doc.objects);
    EXPECT_EQ(other.properties.height, 360);
    EXPECT_EQ(CustomColors::Shared()[3], 0x00123456u);

    // A colour file of the wrong size is ignored.
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "P/customColor.bin", std::string(63, '\0')));
    ASSERT_TRUE(other.Open(doc.file(), prompt));
    EXPECT_EQ(CustomColors::Shared()[3], 0x00123456u);

    EXPECT_FALSE(other.Open("/x.rwk", prompt));
    EXPECT_EQ(prompt.errors.back(), "Unable to extract file path");
}

TEST(Document, AskToSaveCancelKeepsEverythingAndCloseResets) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    ASSERT_TRUE(doc.New(dir / "P", prompt));
    fs::create_directories(dir.path() / "P/tmp/x");
    doc.properties.fps = 60;
    doc.MakeUndoPoint();
    doc.objects.pop_back();

    prompt.answer = IDocumentPrompt::Answer::Cancel;
    EXPECT_FALSE(doc.AskToSave(prompt));
    EXPECT_EQ(prompt.questions.back(), "Do you want to save the changes?");
    EXPECT_EQ(doc.objects.size(), 1u);
    EXPECT_TRUE(doc.CanUndo());
    EXPECT_FALSE(doc.file().empty());

    prompt.answer = IDocumentPrompt::Answer::No;
    EXPECT_TRUE(doc.AskToSave(prompt));
    EXPECT_FALSE(fs::exists(dir.path() / "P/tmp"));
    EXPECT_TRUE(doc.objects.empty());
    EXPECT_EQ(doc.properties, MovieProperties::AfterNew());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.file().empty());
    EXPECT_TRUE(doc.saved());
}

TEST(Document, SelectRowsTakesRowsThatFollowOneAnotherElseTheFirst) {
    Document doc;
    doc.objects.resize(6);
    doc.SelectRows({});
    EXPECT_EQ(doc.first(), -1);
    doc.SelectRows({2, 3, 4});
    EXPECT_EQ(doc.first(), 2);
    EXPECT_EQ(doc.last(), 4);
    doc.SelectRows({1, 4});
    EXPECT_EQ(doc.first(), 1);
    EXPECT_EQ(doc.last(), 1);
}
