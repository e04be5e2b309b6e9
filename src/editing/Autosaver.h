#pragma once

#include <functional>
#include <string>

#include "panelwick/Mt/Worker.h"
#include "panelwick/Sys/Result.h"

class Document;

// Writes the open project's unsaved changes to its autosave file on a worker thread, from a
// copy taken when the write starts, so editing goes on meanwhile. The project file itself is
// never touched; the autosave is written beside it and renamed into place like a save.
class Autosaver {
public:
    // Seconds between autosaves: REELWORK_AUTOSAVE_SECONDS when it holds a positive number,
    // else 60.
    static int IntervalSeconds();

    // Starts a write when the project is open, not damaged, has unsaved changes and no write
    // runs; `done` is called on the worker when it ends and must only notify. False when
    // nothing started.
    bool Start(const Document& document, std::function<void()> done = {});
    // Waits for a running write; its result, ok when none ran. Call before the project file
    // or its autosave change hands (save, close, open).
    Sys::Result Finish();
    bool running() const { return worker_.running(); }
    // The project file of the last write started.
    const std::string& projectFile() const { return projectFile_; }

private:
    Mt::Worker worker_;
    std::string projectFile_;
};
