#pragma once

// What a view of the document hears about. All calls come on the thread that edits.
class IDocumentListener {
public:
    virtual ~IDocumentListener() = default;
    // The selected rows changed.
    virtual void SelectionChanged() {}
    // Objects were edited, deleted, pasted or restored: command states need refreshing.
    virtual void ObjectsChanged() {}
    // Rows, row count or horizontal extent changed: redraw.
    virtual void Repaint() {}
};
