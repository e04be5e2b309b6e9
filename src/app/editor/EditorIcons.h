#pragma once

#include <QIcon>

#include "editing/EditorCommands.h"

// The pictures of the object editor's toolbar: a frame with a block against the edge or the
// centre it aligns to, and the refresh and reload arrows; normal and disabled.
class EditorIcons {
public:
    static QIcon Make(EditorCommand command, int size);
};
