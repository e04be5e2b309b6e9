#pragma once

#include <cstdint>

#include "project/Document.h"
#include "project/IDocumentPrompt.h"
#include "project/IObjectClipboard.h"

// The operations that change the object list of the open project: adding, deleting, the
// clipboard, undo and redo, and the time operations. The selection-based ones act on the
// rows from the first to the last selected row and do nothing without a selection; all but
// the clipboard ones also do nothing while no project is open.
class TimelineEditor {
public:
    explicit TimelineEditor(Document& document) : doc_(document) {}

    // Where a new object goes: after the last (else first) selected row, lasting as long as
    // it; with no selection from 0 for 10 seconds.
    void TimeSlot(uint32_t& begin, uint32_t& duration) const;
    // New objects in the time slot, as the editors first show them.
    MovieObject NewVisualObject(MovieObjectType type) const;
    MovieObject NewAudioObject() const;

    // Appends without a selection, else inserts after the first selected row; the new row
    // becomes the selection.
    void Insert(const MovieObject& object, bool undoPoint);
    // With a prompt, asks for confirmation first.
    void Delete(IDocumentPrompt* confirm);
    bool Copy(IObjectClipboard& clipboard) const;
    void Cut(IObjectClipboard& clipboard);
    bool Paste(IObjectClipboard& clipboard);
    void Undo();
    void Redo();

    // Moves the selected objects by delta milliseconds, clamping times at 0.
    void ShiftTimes(int delta);
    // Moves the end of the selected visual objects; an end at or before the begin becomes
    // begin + 100.
    void ChangeEndTimes(int delta);
    // The selected objects keep their durations and all begin at the earliest begin.
    void AlignTime();
    // The selected objects all last as long as the longest selected audio or video object.
    void MakeSameDuration();
    // The selected objects after the first all begin 100 ms after the first one ends.
    void MoveAfter();

private:
    bool SelectionInOpenProject(int& first, int& last) const;

    Document& doc_;
};
