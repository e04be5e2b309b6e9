#include <set>

#include <gtest/gtest.h>

#include "editing/CommandTable.h"
#include "editing/MainWindowRules.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/Document.h"
#include "support/FakePrompt.h"
#include "support/TempDir.h"

namespace {

std::set<CommandId> Enabled(const CommandContext& c) {
    std::set<CommandId> ids;
    for (const ToolbarButton& b : kToolbarButtons) {
        if (b.id != CommandId::None && IsCommandEnabled(b.id, c)) ids.insert(b.id);
    }
    return ids;
}

const std::set<CommandId> kTools = {CommandId::AppendAudio,       CommandId::NormalizeAudio,
                                    CommandId::BoostBass,         CommandId::CutAudio,
                                    CommandId::SmoothAudioEnds,   CommandId::AddBackMusic,
                                    CommandId::CombineAudioVideo, CommandId::Mp4ToWave,
                                    CommandId::Mp3ToWave,         CommandId::WaveToMp3};

}  // namespace

TEST(CommandTable, FortyButtonsInSixGroups) {
    int buttons = 0;
    std::set<int> ids;
    for (const ToolbarButton& b : kToolbarButtons) {
        if (b.id == CommandId::None) continue;
        ++buttons;
        ids.insert(static_cast<int>(b.id));
    }
    EXPECT_EQ(buttons, 40);
    EXPECT_EQ(ids.size(), 40u);
    EXPECT_EQ(kToolbarButtons.front().id, CommandId::Save);
    EXPECT_EQ(kToolbarButtons[3].id, CommandId::None);
    EXPECT_STREQ(kToolbarButtons[10].text, "Add Media...");
    EXPECT_STREQ(kToolbarButtons[33].text, "Append Audio Files (*.wav)");
    EXPECT_EQ(kToolbarButtons.back().id, CommandId::Help);
}

TEST(CommandTable, WithoutAProjectOnlyNewOpenHelpAndTheTools) {
    std::set<CommandId> expected = kTools;
    expected.insert({CommandId::New, CommandId::Open, CommandId::Help});
    CommandContext c;
    c.selected = c.multipleSelected = c.pasteAvailable = c.canUndo = c.unsaved = true;
    EXPECT_EQ(Enabled(c), expected);
}

TEST(CommandTable, SelectionEnablesDeleteThenTheTimeOperations) {
    CommandContext c;
    c.projectOpen = true;
    const auto none = Enabled(c);
    EXPECT_TRUE(none.contains(CommandId::CreateMovie));
    EXPECT_TRUE(none.contains(CommandId::PlayMovieInPosition));
    EXPECT_FALSE(none.contains(CommandId::PlayMovie));
    EXPECT_FALSE(none.contains(CommandId::PlayMovieExternal));
    EXPECT_FALSE(none.contains(CommandId::Save));
    EXPECT_FALSE(none.contains(CommandId::Stop));

    c.selected = true;
    const auto one = Enabled(c);
    for (CommandId id : {CommandId::Delete, CommandId::Copy, CommandId::Cut}) {
        EXPECT_TRUE(one.contains(id));
        EXPECT_FALSE(none.contains(id));
    }
    for (CommandId id : {CommandId::AlignTime, CommandId::MakeSameDuration, CommandId::MoveAfter}) {
        EXPECT_FALSE(one.contains(id));
    }
    c.multipleSelected = true;
    const auto two = Enabled(c);
    EXPECT_EQ(two.size(), one.size() + 3);

    c.movieExists = c.unsaved = c.pasteAvailable = c.canUndo = c.canRedo = true;
    const auto all = Enabled(c);
    EXPECT_EQ(all.size(), 39u);  // everything but Stop
    EXPECT_FALSE(all.contains(CommandId::Stop));
}

TEST(CommandTable, BusyLeavesOnlyStopAndHelp) {
    CommandContext c;
    c.projectOpen = c.busy = c.selected = c.multipleSelected = c.movieExists = c.unsaved = true;
    c.pasteAvailable = c.canUndo = c.canRedo = true;
    EXPECT_EQ(Enabled(c), (std::set<CommandId>{CommandId::Stop, CommandId::Help}));
}

TEST(CommandTable, ContextFromTheDocument) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    EXPECT_FALSE(MakeCommandContext(doc, 0, false).projectOpen);
    ASSERT_TRUE(doc.New(dir / "Trip", prompt));
    doc.Select(0, 0);
    CommandContext c = MakeCommandContext(doc, 2, true);
    EXPECT_TRUE(c.projectOpen && c.busy && c.selected && c.pasteAvailable);
    EXPECT_FALSE(c.multipleSelected || c.movieExists || c.unsaved || c.canUndo || c.canRedo);
    ASSERT_TRUE(Sys::WriteWholeFile(doc.folder() + "/movie.mp4", "x"));
    doc.Select(0, 1);
    doc.MakeUndoPoint();
    c = MakeCommandContext(doc, 0, false);
    EXPECT_TRUE(c.multipleSelected && c.movieExists && c.unsaved && c.canUndo);
    EXPECT_FALSE(c.busy);
}

TEST(MainWindowRules, TitleFollowsModeProjectAndSavedFlag) {
    TempDir dir;
    FakePrompt prompt;
    Document doc;
    EXPECT_EQ(WindowTitle(0, doc), "Reelwork 1.0");
    ASSERT_TRUE(doc.New(dir / "Trip", prompt));
    EXPECT_EQ(WindowTitle(0, doc), "Trip");
    EXPECT_EQ(WindowTitle(2, doc), "Trip");
    doc.MarkChanged();
    EXPECT_EQ(WindowTitle(0, doc), "Trip*");
    EXPECT_EQ(WindowTitle(3, doc), "Recording . . .");
    ASSERT_TRUE(doc.Save().ok());
    EXPECT_EQ(WindowTitle(1, doc), "Trip");
}

TEST(MainWindowRules, CommandLineLosesQuotesAndShortOnesAreIgnored) {
    EXPECT_EQ(ProjectPathFromCommandLine("\"/home/a b/Trip.rwk\""), "/home/a b/Trip.rwk");
    EXPECT_EQ(ProjectPathFromCommandLine("\"ab\""), "");
    EXPECT_EQ(ProjectPathFromCommandLine("abc"), "abc");
    EXPECT_EQ(ProjectPathFromCommandLine(""), "");
}
