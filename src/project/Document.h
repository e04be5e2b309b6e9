#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "panelwick/Sys/Result.h"
#include "project/IDocumentListener.h"
#include "project/IDocumentPrompt.h"
#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "project/ProjectPaths.h"
#include "project/UndoHistory.h"

// The open project: movie properties, the ordered objects (timeline rows, drawing order), the
// saved flag, the project folder and file, the undo history and the selected rows.
class Document {
public:
    MovieProperties properties;
    std::vector<MovieObject> objects;

    void SetListener(IDocumentListener* listener) { listener_ = listener; }

    bool saved() const { return saved_; }
    // The project was rescued from a file that failed to load: Save must not overwrite it.
    bool damaged() const { return damaged_; }
    bool IsOpen() const { return !folder_.empty(); }
    const std::string& folder() const { return folder_; }
    ProjectPaths paths() const { return ProjectPaths(folder_); }
    const std::string& file() const { return file_; }
    void SetFile(const std::string& file, const std::string& folder);

    // Project file operations. A save deletes the autosave file.
    Sys::Result Save();
    // Saves under a new file name; the project folder becomes the new file's folder.
    Sys::Result SaveAs(const std::string& file);
    // When there are unsaved changes, asks whether to save them (a damaged project asks for a
    // new name); then closes the project. No deletes the autosave file. False when the user
    // cancelled or the save failed (its message shown).
    bool AskToSave(IDocumentPrompt& prompt);
    // Deletes the work folder and resets to an empty project with the values after "New".
    void CloseProject();
    // Opens the project file at path; messages go to the prompt. The file is read before the
    // current project is closed: an empty or unreadable file leaves it open. A file damaged
    // after its header opens what was read before the damage, marked damaged and unsaved.
    // True when it loaded completely.
    bool Open(const std::string& path, IDocumentPrompt& prompt);
    // Puts other content in place of the project's as an edit (undo point, unsaved).
    void ReplaceContent(MovieProperties newProperties, std::vector<MovieObject> newObjects);
    // Creates a project folder named after the chosen file beside it, with the sample
    // picture and sound and two sample objects, and saves it. True when it was saved.
    // Without samples the folder and the project start empty.
    bool New(const std::string& chosenPath, IDocumentPrompt& prompt, bool withSamples = true);

    // Selection: one contiguous range of rows, -1 when nothing is selected.
    int first() const { return first_; }
    int last() const { return last_; }
    // The selected range bounded by the row count; false when nothing valid is selected.
    bool SelectedRange(int& first, int& last) const;
    void Select(int first, int last);
    void ClearSelection();
    // Selects rows given in ascending order: all of them when they follow one another, else
    // the first (the selection is one range). None leaves the selection as it is.
    void SelectRows(const std::vector<size_t>& rows);

    // Undo: every project-changing edit first makes an undo point, which also clears the
    // saved flag.
    void MakeUndoPoint();
    bool Undo();
    bool Redo();
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }

    // Notifications for the view.
    void NotifyObjectsChanged();
    void NotifyRepaint();
    void MarkChanged() { saved_ = false; }

    // The timeline's width in pixels: 30 font heights plus 4 pixels per second of the latest end.
    int HorizontalExtent(int fontHeight) const;

private:
    bool Restore(bool undo);
    // The sample picture and sound and their two objects.
    bool AddSamples(IDocumentPrompt& prompt);

    IDocumentListener* listener_ = nullptr;
    bool saved_ = true;
    bool damaged_ = false;
    std::string folder_, file_;
    UndoHistory history_;
    int first_ = -1, last_ = -1;
};
