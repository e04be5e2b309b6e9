#pragma once

#include <string>
#include <vector>

#include "editing/CommandTable.h"

// The menu bar as data: each menu's title and its items, drawn from the same commands as the
// toolbar. CommandId::None is a separator; kRecentProjects marks where the submenu of the
// recently opened projects goes.
struct MenuDefinition {
    const char* title;
    std::vector<CommandId> items;
};

inline constexpr CommandId kRecentProjects = static_cast<CommandId>(-1);

const std::vector<MenuDefinition>& MenuBarDefinition();

// The timeline's context menu: the same commands as the toolbar, with separators.
const std::vector<CommandId>& TimelineContextMenu();

// A command's text in a menu: the toolbar's text, or the menu's own for the commands that have
// no button.
std::string MenuText(CommandId id);

// A command's keys, written as Qt reads them ("Ctrl+S"); empty when it has none.
struct CommandKeys {
    std::vector<std::string> keys;
    // The timeline reads these keys itself while it has the focus; the menu only shows them.
    bool timelineKeys = false;
};
CommandKeys KeysOf(CommandId id);

// A tooltip: the toolbar's text with the first key in parentheses when there is one.
std::string ToolTipText(const char* text, CommandId id);

// Every key the window answers to, with what it does, for the list of keyboard shortcuts.
struct ShortcutLine {
    std::string keys;
    std::string action;
};
std::vector<ShortcutLine> ShortcutList();
