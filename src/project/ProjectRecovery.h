#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "project/MovieProperties.h"

class Document;

// The files that keep work safe beside a project file NAME.rwk: the hidden autosave
// .NAME-autosave.rwk, written while there are unsaved changes, and the temporary files that a
// save killed half-way leaves behind.
class ProjectRecovery {
public:
    static std::string AutosavePath(const std::string& projectFile);
    // Removes NAME.rwk.saving and the autosave's own temporary file.
    static void RemoveLeftovers(const std::string& projectFile);
    // True when the autosave exists and was written after the project file; when is its time.
    static bool AutosaveIsNewer(const std::string& projectFile, std::time_t& when);
    static void Discard(const std::string& projectFile);
    // Reads the autosave of the open project. A damaged autosave gives the message to show.
    static Sys::Result ReadAutosave(const Document& document, MovieProperties& properties,
                                    std::vector<MovieObject>& objects);
    // Loads the autosave of the open project as its unsaved changes. A damaged autosave
    // changes nothing and gives the message to show; it is kept for a later look.
    static Sys::Result Recover(Document& document);
};
