#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Sys/FileSystem.h"
#include "project/Document.h"
#include "project/ProjectFile.h"
#include "project/ProjectRecovery.h"
#include "support/FakePrompt.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<MovieObject> TextObjects(int count) {
    std::vector<MovieObject> objects(count);
    for (int i = 0; i < count; ++i) {
        objects[i].type = MovieObjectType::Text;
        objects[i].end = 1000 + i;
        objects[i].text = u"row";
    }
    return objects;
}

std::string Bytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(Sys::ReadWholeFile(path, bytes));
    return bytes;
}

// A project P in dir with two sample objects and one unsaved edit.
void OpenEdited(Document& doc, const TempDir& dir, FakePrompt& prompt) {
    ASSERT_TRUE(doc.New(dir / "P", prompt));
    doc.MakeUndoPoint();
    doc.objects.pop_back();
}

}  // namespace

TEST(ProjectRecovery, DamagedFileKeepsWhatWasReadAndNeverOverwritesTheOriginal) {
    TempDir dir;
    const std::string path = dir / "big.rwk";
    ASSERT_TRUE(ProjectFile::Save(path, MovieProperties{}, TextObjects(2000)).ok());
    // Object 1000's text length becomes huge: every record before it is intact.
    std::string bytes = Bytes(path);
    const size_t record = 174 + 2 * 3;
    bytes.replace(19 + 1000 * record + 101, 4, "\xff\xff\xff\x7f");
    ASSERT_TRUE(Sys::WriteWholeFile(path, bytes));

    FakePrompt prompt;
    Document doc;
    EXPECT_FALSE(doc.Open(path, prompt));
    EXPECT_EQ(prompt.errors.back(), "Unable to load movie object");
    ASSERT_EQ(doc.objects.size(), 1001u);  // the damaged record ends the list
    for (int i : {0, 999}) EXPECT_EQ(doc.objects[i], TextObjects(2000)[i]);
    EXPECT_TRUE(doc.damaged());
    EXPECT_FALSE(doc.saved());

    // Closing asks for a new name; cancelling it keeps the project, a name saves there.
    prompt.answer = IDocumentPrompt::Answer::Yes;
    EXPECT_FALSE(doc.AskToSave(prompt));
    EXPECT_EQ(doc.file(), path);
    prompt.newFileName = dir / "rescued.rwk";
    EXPECT_TRUE(doc.AskToSave(prompt));
    EXPECT_EQ(Bytes(path), bytes);
    std::vector<MovieObject> rescued;
    MovieProperties p;
    ASSERT_TRUE(ProjectFile::Load(dir / "rescued.rwk", p, rescued).ok());
    EXPECT_EQ(rescued.size(), 1001u);
}

TEST(ProjectRecovery, EmptyOrMissingFileKeepsTheCurrentProject) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    OpenEdited(doc, dir, prompt);
    const std::string file = doc.file();
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "empty.rwk", ""));
    ASSERT_TRUE(Sys::WriteWholeFile(dir / "short.rwk", std::string(10, '\1')));
    for (const char* name : {"empty.rwk", "short.rwk", "missing.rwk"}) {
        EXPECT_FALSE(doc.Open(dir / name, prompt)) << name;
        EXPECT_EQ(doc.file(), file);
        EXPECT_EQ(doc.objects.size(), 1u);
        EXPECT_FALSE(doc.saved());
        EXPECT_FALSE(doc.damaged());
    }
    EXPECT_TRUE(prompt.questions.empty());
    EXPECT_EQ(prompt.errors.back(), "The file could not be found");
}

TEST(ProjectRecovery, OpeningRemovesLeftoversOfKilledSaves) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    ASSERT_TRUE(doc.New(dir / "P", prompt));
    const std::string file = doc.file();
    const std::string autosave = ProjectRecovery::AutosavePath(file);
    EXPECT_EQ(autosave, dir / "P/.P-autosave.rwk");
    for (const std::string& leftover : {file + ".saving", autosave + ".saving"}) {
        ASSERT_TRUE(Sys::WriteWholeFile(leftover, "half"));
    }
    Document other;
    ASSERT_TRUE(other.Open(file, prompt));
    EXPECT_FALSE(fs::exists(file + ".saving"));
    EXPECT_FALSE(fs::exists(autosave + ".saving"));
}

TEST(ProjectRecovery, RecoverLoadsTheAutosaveAsUnsavedChanges) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    ASSERT_TRUE(doc.New(dir / "P", prompt));
    const std::string file = doc.file();
    const std::string autosave = ProjectRecovery::AutosavePath(file);
    std::time_t when;
    EXPECT_FALSE(ProjectRecovery::AutosaveIsNewer(file, when));

    MovieProperties edited = doc.properties;
    edited.fps = 30;
    ASSERT_TRUE(ProjectFile::Save(autosave, edited, TextObjects(3)).ok());
    fs::last_write_time(autosave, fs::last_write_time(file) + std::chrono::seconds(5));
    EXPECT_TRUE(ProjectRecovery::AutosaveIsNewer(file, when));
    fs::last_write_time(autosave, fs::last_write_time(file) - std::chrono::seconds(5));
    EXPECT_FALSE(ProjectRecovery::AutosaveIsNewer(file, when));

    ASSERT_TRUE(ProjectRecovery::Recover(doc).ok());
    EXPECT_EQ(doc.objects, TextObjects(3));
    EXPECT_EQ(doc.properties.fps, 30);
    EXPECT_FALSE(doc.saved());
    EXPECT_EQ(doc.file(), file);
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.objects.size(), 2u);

    // Saving deletes the autosave; the project file now holds the recovered edit.
    ASSERT_TRUE(doc.Redo());
    ASSERT_TRUE(doc.Save().ok());
    EXPECT_FALSE(fs::exists(autosave));

    // A damaged autosave changes nothing and says so.
    ASSERT_TRUE(Sys::WriteWholeFile(autosave, std::string(10, '\0')));
    const Sys::Result damaged = ProjectRecovery::Recover(doc);
    EXPECT_NE(damaged.message().find("damaged"), std::string::npos);
    EXPECT_EQ(doc.objects, TextObjects(3));
    EXPECT_TRUE(doc.saved());
}

TEST(ProjectRecovery, AnsweringNoDiscardsTheAutosave) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    OpenEdited(doc, dir, prompt);
    const std::string autosave = ProjectRecovery::AutosavePath(doc.file());
    ASSERT_TRUE(Sys::WriteWholeFile(autosave, "x"));
    prompt.answer = IDocumentPrompt::Answer::Cancel;
    EXPECT_FALSE(doc.AskToSave(prompt));
    EXPECT_TRUE(fs::exists(autosave));
    prompt.answer = IDocumentPrompt::Answer::No;
    EXPECT_TRUE(doc.AskToSave(prompt));
    EXPECT_FALSE(fs::exists(autosave));
}
