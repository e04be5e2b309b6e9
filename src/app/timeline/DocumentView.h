#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>

#include <QAbstractScrollArea>

#include "app/timeline/ObjectClipboard.h"
#include "app/timeline/TypeIcons.h"
#include "audio/PeakStore.h"
#include "editing/TimelineDrag.h"
#include "editing/TimelineGeometry.h"
#include "project/Document.h"
#include "project/IDocumentListener.h"
#include "project/IDocumentPrompt.h"
#include "project/TimelineEditor.h"
#include "render/PictureThumbnail.h"

// The timeline: one row per movie object, in list order, with a filled bar over the object's
// time, its type icon, time span and name. It owns the open project, keeps the selection as one
// range of rows, maps its keys to the editing operations, zooms, and lets the mouse move a bar
// or its edges.
class DocumentView : public QAbstractScrollArea, private IDocumentListener {
    Q_OBJECT

public:
    static constexpr uint32_t kThumbnailHeight = 48;  // rows of the pictures' small copies

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
    int horizontalExtent() const;
    const TimelineGeometry& geometry() const { return geometry_; }
    // Zoom steps around a point of the viewport; Fit shows the whole project.
    void Zoom(int steps, int x);
    void Fit();
    // The playhead's time, a snapping target of drags.
    void SetPlayheadTime(uint32_t ms) { playheadMs_ = ms; }
    bool dragging() const { return drag_.has_value(); }
    PeakStore& peaks() { return *peaks_; }
    ThumbnailStore& thumbnails() { return *thumbnails_; }
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
    // A right click on the rows, the selection already updated: the window shows its menu.
    void contextMenuRequested(const QPoint& globalPos);
    // The zoom or the sideways scroll changed.
    void scaleChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
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
    bool SelectionKey(int key, bool extend);
    bool ZoomKey(int key);
    void SelectAndShow(int first, int last, int shown);
    void DrawTicks(QPainter& painter);
    int LabelGap() const;
    void DrawRow(QPainter& painter, int y, int row, int textHeight);
    bool FileMissing(const MovieObject& object) const;
    bool FileMissing(const MovieObject& object, const std::string& thumbnailKey) const;
    std::string PathOf(const MovieObject& object) const;
    int DrawThumbnail(QPainter& painter, const QRect& bar, const MovieObject& object,
                      const std::string& key);
    void DrawMissingMark(QPainter& painter, const QRect& bar);
    void DrawWaveform(QPainter& painter, const QRect& bar, const MovieObject& object);
    void DrawLabel(QPainter& painter, const QRect& bar, int row, bool selected, int textHeight);
    TimelineGeometry::Part PartAt(const QPoint& point, int& row) const;
    bool StartDrag(const QMouseEvent* event);
    void EndDrag(bool keep);

    Document document_;
    TimelineEditor editor_{document_};
    ObjectClipboard clipboard_;
    std::unique_ptr<IDocumentPrompt> ownPrompt_;
    IDocumentPrompt* prompt_;
    QObject* noticeReceiver_ = nullptr;
    TypeIcons icons_;
    int fontHeight_ = 0, rowHeight_ = 1, margin_ = 0;
    TimelineGeometry geometry_;
    uint32_t playheadMs_ = 0;
    std::optional<TimelineDrag> drag_;
    std::set<std::string> missing_;     // files the objects name that are not there
    std::unique_ptr<PeakStore> peaks_;  // waveforms of the audio rows, computed on a worker
    // Pictures of the picture, video and page rows, likewise, by ThumbnailKey.
    std::unique_ptr<ThumbnailStore> thumbnails_;
    int dragX_ = 0;        // where the drag's button went down
    int pressedRow_ = -1;  // a selected row pressed without keys: selected alone on release
};
