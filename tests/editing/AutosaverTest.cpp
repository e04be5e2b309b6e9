#include <cstdlib>
#include <filesystem>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "editing/Autosaver.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/Document.h"
#include "project/ProjectFile.h"
#include "project/ProjectRecovery.h"
#include "support/FakePrompt.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

Sys::Result LoadFile(const std::string& path, size_t& count) {
    MovieProperties p;
    std::vector<MovieObject> objects;
    Sys::Result r = ProjectFile::Load(path, p, objects);
    count = objects.size();
    return r;
}

void AddRows(Document& doc, int rows) {
    doc.MakeUndoPoint();
    for (int i = 0; i < rows; ++i) {
        MovieObject o;
        o.type = MovieObjectType::Text;
        o.text = std::u16string(200, u'x');
        doc.objects.push_back(o);
    }
}

}  // namespace

TEST(Autosaver, IntervalComesFromTheEnvironment) {
    const std::pair<const char*, int> cases[] = {{"2", 2}, {"x", 60}, {"0", 60}, {"7s", 60}};
    for (auto [text, seconds] : cases) {
        ::setenv("REELWORK_AUTOSAVE_SECONDS", text, 1);
        EXPECT_EQ(Autosaver::IntervalSeconds(), seconds) << text;
    }
    ::unsetenv("REELWORK_AUTOSAVE_SECONDS");
    EXPECT_EQ(Autosaver::IntervalSeconds(), 60);
}

TEST(Autosaver, WritesUnsavedChangesBesideTheUntouchedProject) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    Autosaver autosaver;
    EXPECT_FALSE(autosaver.Start(doc));  // nothing open
    ASSERT_TRUE(doc.New(dir / "P", prompt));
    EXPECT_FALSE(autosaver.Start(doc));  // nothing unsaved
    std::string before;
    ASSERT_TRUE(Sys::ReadWholeFile(doc.file(), before));

    AddRows(doc, 3);
    ASSERT_TRUE(autosaver.Start(doc));
    doc.objects.clear();  // editing goes on while the copy is written
    ASSERT_TRUE(autosaver.Finish().ok());
    size_t count = 0;
    ASSERT_TRUE(LoadFile(ProjectRecovery::AutosavePath(doc.file()), count).ok());
    EXPECT_EQ(count, 5u);
    std::string after;
    ASSERT_TRUE(Sys::ReadWholeFile(doc.file(), after));
    EXPECT_EQ(after, before);
    std::time_t when;
    EXPECT_TRUE(ProjectRecovery::AutosaveIsNewer(doc.file(), when));

    // A place that cannot be written fails with the save's message and can try again.
    fs::create_directory(ProjectFile::TemporaryPath(ProjectRecovery::AutosavePath(doc.file())));
    ASSERT_TRUE(autosaver.Start(doc));
    EXPECT_EQ(autosaver.Finish().message().rfind("Unable to create the file", 0), 0u);
    fs::remove(ProjectFile::TemporaryPath(ProjectRecovery::AutosavePath(doc.file())));
    ASSERT_TRUE(autosaver.Start(doc));
    EXPECT_TRUE(autosaver.Finish().ok());
}

// A child process autosaves and saves over and over and is killed at random moments: the
// project and its autosave always load whole afterwards.
TEST(Autosaver, KillAtAnyMomentLeavesLoadableFiles) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    ASSERT_TRUE(doc.New(dir / "P", prompt));
    const std::string autosave = ProjectRecovery::AutosavePath(doc.file());
    std::mt19937 random(23);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Autosaver autosaver;
            for (int i = 0;; ++i) {
                if (doc.objects.size() > 1000) doc.objects.resize(2);
                AddRows(doc, 50);
                if (!autosaver.Start(doc) || autosaver.Finish().failed()) ::_exit(2);
                if (i % 3 == 2 && doc.Save().failed()) ::_exit(3);
            }
        }
        while (!fs::exists(autosave)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;
        size_t count = 0;
        EXPECT_TRUE(LoadFile(doc.file(), count).ok()) << round;
        if (fs::exists(autosave)) {
            EXPECT_TRUE(LoadFile(autosave, count).ok()) << round;
        }
        fs::remove(autosave);
        Document reopened;
        EXPECT_TRUE(reopened.Open(doc.file(), prompt));
        EXPECT_FALSE(fs::exists(doc.file() + ".saving"));
    }
}
