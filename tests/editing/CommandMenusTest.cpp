#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "editing/CommandMenus.h"
#include "editing/UserSettings.h"
#include "support/TempDir.h"

TEST(CommandMenus, EveryButtonCommandSitsInExactlyOneMenu) {
    std::map<CommandId, int> seen;
    for (const MenuDefinition& menu : MenuBarDefinition()) {
        for (CommandId id : menu.items) {
            if (id != CommandId::None && id != kRecentProjects) ++seen[id];
        }
    }
    for (const ToolbarButton& b : kToolbarButtons) {
        if (b.id == CommandId::None) continue;
        EXPECT_EQ(seen[b.id], 1) << b.text;
    }
    for (auto [id, count] : seen) {
        EXPECT_EQ(count, 1) << static_cast<int>(id);
        EXPECT_FALSE(MenuText(id).empty()) << static_cast<int>(id);
    }
    std::vector<std::string> titles;
    for (const MenuDefinition& menu : MenuBarDefinition()) titles.push_back(menu.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&Object", "&Movie", "&Audio",
                                                "&Video", "&Help"}));
    EXPECT_EQ(MenuText(CommandId::AppendAudio), "Append Audio Files (*.wav)");
    EXPECT_EQ(MenuText(CommandId::Help), "&About ...");
}

TEST(CommandMenus, StandardKeysAreUniqueAndShownInTooltipsAndTheList) {
    std::set<std::string> keys;
    for (const MenuDefinition& menu : MenuBarDefinition()) {
        for (CommandId id : menu.items) {
            for (const std::string& key : KeysOf(id).keys) {
                EXPECT_TRUE(keys.insert(key).second) << key;
            }
        }
    }
    for (const char* key :
         {"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+Q", "Ctrl+A", "F1"}) {
        EXPECT_TRUE(keys.contains(key)) << key;
    }
    // The timeline keeps reading its own keys; the menu only shows them.
    EXPECT_TRUE(KeysOf(CommandId::Copy).timelineKeys);
    EXPECT_FALSE(KeysOf(CommandId::Save).timelineKeys);
    EXPECT_EQ(ToolTipText("Save", CommandId::Save), "Save (Ctrl+S)");
    EXPECT_EQ(ToolTipText("Align Time", CommandId::AlignTime), "Align Time");

    const std::vector<ShortcutLine> list = ShortcutList();
    const auto has = [&](const std::string& k, const std::string& a) {
        for (const ShortcutLine& l : list) {
            if (l.keys == k && l.action == a) return true;
        }
        return false;
    };
    EXPECT_TRUE(has("F1", "Keyboard Shortcuts"));
    EXPECT_TRUE(has("Alt+?, Alt+/", "About"));
    EXPECT_TRUE(has("F3", "Lengthen the selected objects by 100 ms"));
}

TEST(UserSettings, RecentProjectsGeometryAndSplitRoundTripAndBadLinesAreSkipped) {
    TempDir dir;
    UserSettings settings;
    for (int i = 0; i < 12; ++i) settings.AddRecent("/p/" + std::to_string(i) + ".rwk");
    settings.AddRecent("/p/3.rwk");
    settings.AddRecent("/bad\nname.rwk");
    ASSERT_EQ(settings.recentProjects().size(), UserSettings::kRecentCount);
    EXPECT_EQ(settings.recentProjects()[0], "/p/3.rwk");
    EXPECT_EQ(settings.recentProjects()[1], "/p/11.rwk");
    settings.geometry = UserSettings::Geometry{-20, 30, 1200, 700, true};
    settings.monitorSplit = {540, 360};
    settings.directRender = true;
    const std::string path = dir / "config/reelwork/settings";
    ASSERT_TRUE(settings.Save(path).ok());

    const UserSettings read = UserSettings::Load(path);
    EXPECT_EQ(read.recentProjects(), settings.recentProjects());
    ASSERT_TRUE(read.geometry);
    EXPECT_EQ(read.geometry->x, -20);
    EXPECT_EQ(read.geometry->height, 700);
    EXPECT_TRUE(read.geometry->maximized);
    EXPECT_EQ(read.monitorSplit, (std::vector<int>{540, 360}));
    EXPECT_TRUE(read.directRender);

    EXPECT_FALSE(UserSettings::Parse("geometry=1 2 0 5 0\n").geometry);
    EXPECT_FALSE(UserSettings::Parse("geometry=1 2 3\n").geometry);
    EXPECT_FALSE(UserSettings::Parse("geometry=1 2 3 4 0 junk\n").geometry);
    EXPECT_TRUE(UserSettings::Parse("monitor-split=0 400\n").monitorSplit.empty());
    EXPECT_TRUE(UserSettings::Parse("noise\nrecent=\n=x\n").recentProjects().empty());
    EXPECT_TRUE(UserSettings::Load(dir / "missing").recentProjects().empty());
}
