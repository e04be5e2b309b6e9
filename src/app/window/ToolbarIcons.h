#pragma once

#include <QIcon>
#include <QPixmap>

#include "editing/CommandTable.h"

// The pictures of the toolbar buttons, drawn at any size: each command in colour, and a greyed
// picture for its disabled state.
class ToolbarIcons {
public:
    static QPixmap Draw(CommandId id, int size);
    // The normal and the disabled picture together.
    static QIcon Make(CommandId id, int size);
    // The program's own icon, for the window.
    static QIcon ProgramIcon();
};
