#pragma once

#include <memory>

#include <QAbstractScrollArea>

#include "app/timeline/ObjectClipboard.h"
#include "app/timeline/TypeIcons.h"
#include "project/Document.h"
#include "project/IDocumentListener.h"
#include "project/IDocumentPrompt.h"
#include "project/TimelineEditor.h"

// The timeline: one row per movie object, in list order, with a bar over the object's time at
// 4 pixels per second, its type icon, time span and name. It owns the open project, keeps the
// selection as one range of rows, and maps its keys to the editing operations.
class DocumentView : public QAbstractScrollArea, private IDocumentListener {
    Q_OBJECT

public:
    explicit DocumentView(QWidget* parent = nullptr);
    ~DocumentView() override;

    Document& document() { return document_; }
    TimelineEditor& editor() { return editor_; }
    ObjectClipboard& clipboard() { return clipboard_; }
    // Questions of Delete and messages of the project operations; message boxes unless replaced.
    IDocumentPrompt& prompt() { return *prompt_; }
    void SetPrompt(IDocumentPrompt* prompt);
    // The window told, by a posted notice, about edits that change the command states.
    void SetNoticeReceiver(QObject* receiver) { noticeReceiver_ = receiver; }

    int fontHeight() const { return fontHeight_; }
    int rowHeight() const { return rowHeight_; }
    int iconSize() const { return icons_.size(); }
    int margin() const { return margin_; }
    int horizontalExtent() const { return document_.HorizontalExtent(fontHeight_); }
    // The row under a point of the viewport; it may lie past the last object.
    int RowAt(int y) const;

    // The clipboard and undo operations of the keys and the toolbar; each ends by telling
    // that the selection may have changed.
    void Copy();
    void Cut();
    void Paste();
    void Undo();
    void Redo();

signals:
    // The selected rows changed.
    void selectionChanged();
    // A row was double-clicked: the first selected object is to be edited.
    void editRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SelectionChanged() override;
    void ObjectsChanged() override;
    void Repaint() override;

    void UpdateMetrics();
    void UpdateScrollRanges();
    bool ClickRow(const QMouseEvent* event);
    bool ScrollKey(int key);
    void DrawRow(QPainter& painter, int x, int y, int row, int textHeight);

    Document document_;
    TimelineEditor editor_{document_};
    ObjectClipboard clipboard_;
    std::unique_ptr<IDocumentPrompt> ownPrompt_;
    IDocumentPrompt* prompt_;
    QObject* noticeReceiver_ = nullptr;
    TypeIcons icons_;
    int fontHeight_ = 0, rowHeight_ = 1, margin_ = 0;
};
