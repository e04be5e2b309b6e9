#pragma once

#include <map>

#include "editing/CommandTable.h"

class QAction;
class QMenu;
class QMenuBar;

// Fills the menu bar from the menu definition with the window's actions, the same ones the
// toolbar shows, so both share texts, enabled states and handlers.
class MenuBar {
public:
    // Gives the (empty) submenu of the recent projects.
    static QMenu* Build(QMenuBar& bar, const std::map<CommandId, QAction*>& actions);
};
