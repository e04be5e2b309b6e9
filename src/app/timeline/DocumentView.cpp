#include "app/timeline/DocumentView.h"

#include <algorithm>

#include <QFontInfo>
#include <QKeyEvent>
#include <QScrollBar>

#include "app/timeline/MessageBoxPrompt.h"
#include "panelwick/Sys/Utf.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/Notice.h"
#include "panelwick/Win/WaitCursor.h"
#include "project/MissingFiles.h"

DocumentView::DocumentView(QWidget* parent)
    : QAbstractScrollArea(parent),
      ownPrompt_(std::make_unique<MessageBoxPrompt>(this)),
      prompt_(ownPrompt_.get()) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    document_.SetListener(this);
    // A finished file repaints the rows; the call is dropped once the view is gone.
    const auto repaint = [this] {
        QMetaObject::invokeMethod(
            this, [this] { viewport()->update(); }, Qt::QueuedConnection);
    };
    peaks_ = std::make_unique<PeakStore>(PeakCache(PeakCache::DefaultFolder()), repaint);
    thumbnails_ = std::make_unique<ThumbnailStore>(kThumbnailHeight, repaint);
    UpdateMetrics();
}

DocumentView::~DocumentView() {
    peaks_.reset();
    thumbnails_.reset();
    document_.SetListener(nullptr);
}

void DocumentView::SetPrompt(IDocumentPrompt* prompt) {
    prompt_ = prompt ? prompt : ownPrompt_.get();
}

int DocumentView::horizontalExtent() const {
    uint32_t latest = 0;
    for (const MovieObject& o : document_.objects) latest = std::max(latest, o.end);
    return geometry_.Extent(latest, 30 * fontHeight_);
}

int DocumentView::RowAt(int y) const {
    return y / rowHeight_ + verticalScrollBar()->value();
}

// Row height, margin and icon size follow the font: the row is 120 % of the line height, the
// icon the standard size nearest to 70 % of the row.
void DocumentView::UpdateMetrics() {
    const QFontMetrics metrics(font());
    fontHeight_ = std::abs(QFontInfo(font()).pixelSize());
    rowHeight_ = std::max(1, (metrics.lineSpacing() * 120 + 50) / 100);
    margin_ = (fontHeight_ * 20 + 50) / 100;
    icons_.Load(Win::NearestIconSize(rowHeight_ * 0.7));
    UpdateScrollRanges();
    viewport()->update();
}

void DocumentView::UpdateScrollRanges() {
    const int rows = static_cast<int>(document_.objects.size());
    const int visibleRows = std::max(1, viewport()->height() / rowHeight_);
    verticalScrollBar()->setRange(0, std::max(0, rows - visibleRows));
    verticalScrollBar()->setPageStep(visibleRows);
    verticalScrollBar()->setSingleStep(1);
    const int width = viewport()->width();
    geometry_.SetViewWidth(width);
    horizontalScrollBar()->setRange(0, std::max(0, horizontalExtent() - width));
    horizontalScrollBar()->setPageStep(std::max(1, width));
    horizontalScrollBar()->setSingleStep(std::max(1, fontHeight_));
    geometry_.SetScroll(horizontalScrollBar()->value());
}

void DocumentView::scrollContentsBy(int, int) {
    geometry_.SetScroll(horizontalScrollBar()->value());
    viewport()->update();
    emit scaleChanged();
}

void DocumentView::Zoom(int steps, int x) {
    geometry_.ZoomSteps(steps, x);
    const int scroll = geometry_.scroll();
    UpdateScrollRanges();
    horizontalScrollBar()->setValue(scroll);
    geometry_.SetScroll(horizontalScrollBar()->value());
    viewport()->update();
    emit scaleChanged();
}

void DocumentView::Fit() {
    uint32_t latest = 0;
    for (const MovieObject& o : document_.objects) latest = std::max(latest, o.end);
    geometry_.Fit(latest);
    UpdateScrollRanges();
    horizontalScrollBar()->setValue(0);
    geometry_.SetScroll(0);
    viewport()->update();
    emit scaleChanged();
}

void DocumentView::SelectionChanged() {
    emit selectionChanged();
}

void DocumentView::ObjectsChanged() {
    if (noticeReceiver_) Win::PostNotice(noticeReceiver_, Win::kAppMessage);
}

void DocumentView::Repaint() {
    missing_.clear();
    for (const MissingFiles::Entry& entry : MissingFiles::Find(document_)) {
        missing_.insert(entry.name);
    }
    UpdateScrollRanges();
    viewport()->update();
}

void DocumentView::Copy() {
    (void)editor_.Copy(clipboard_);
    emit selectionChanged();
}

void DocumentView::Cut() {
    editor_.Cut(clipboard_);
    emit selectionChanged();
}

void DocumentView::Paste() {
    if (ObjectClipboard::Available()) {
        Win::WaitCursor wait;
        (void)editor_.Paste(clipboard_);
    }
    emit selectionChanged();
}

void DocumentView::Undo() {
    editor_.Undo();
    emit selectionChanged();
}

void DocumentView::Redo() {
    editor_.Redo();
    emit selectionChanged();
}

// Page Up/Down move through the rows, Left/Right a page sideways.
// Up and Down move the selection a row, Home and End to the first and last row; with Shift
// the selection grows instead.
bool DocumentView::SelectionKey(int key, bool extend) {
    const int rows = static_cast<int>(document_.objects.size());
    if (rows == 0) return key == Qt::Key_Up || key == Qt::Key_Down;
    int first = document_.first(), last = document_.last();
    const bool any = first >= 0 && last >= 0;
    int to;
    switch (key) {
        case Qt::Key_Up:
            to = any ? std::max(0, first - 1) : 0;
            break;
        case Qt::Key_Down:
            to = any ? std::min(rows - 1, last + 1) : 0;
            break;
        case Qt::Key_Home:
            to = 0;
            break;
        case Qt::Key_End:
            to = rows - 1;
            break;
        default:
            return false;
    }
    if (extend && any) {
        SelectAndShow(std::min(first, to), std::max(last, to), to);
    } else {
        SelectAndShow(to, to, to);
    }
    return true;
}

void DocumentView::SelectAndShow(int first, int last, int shown) {
    document_.Select(first, last);
    QScrollBar* rows = verticalScrollBar();
    if (shown < rows->value()) rows->setValue(shown);
    if (shown >= rows->value() + rows->pageStep()) rows->setValue(shown - rows->pageStep() + 1);
}

// Ctrl++ and Ctrl+- zoom around the view's middle, Ctrl+0 fits the project in the view.
bool DocumentView::ZoomKey(int key) {
    switch (key) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            Zoom(1, viewport()->width() / 2);
            return true;
        case Qt::Key_Minus:
            Zoom(-1, viewport()->width() / 2);
            return true;
        case Qt::Key_0:
            Fit();
            return true;
        default:
            return false;
    }
}

bool DocumentView::ScrollKey(int key) {
    QScrollBar* rows = verticalScrollBar();
    QScrollBar* across = horizontalScrollBar();
    switch (key) {
        case Qt::Key_PageUp:
            rows->setValue(rows->value() - rows->pageStep());
            return true;
        case Qt::Key_PageDown:
            rows->setValue(rows->value() + rows->pageStep());
            return true;
        case Qt::Key_Left:
            across->setValue(across->value() - across->pageStep());
            return true;
        case Qt::Key_Right:
            across->setValue(across->value() + across->pageStep());
            return true;
        default:
            return false;
    }
}

void DocumentView::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (drag_) {  // keys wait for the drag; Escape puts everything back
        if (event->key() == Qt::Key_Escape) EndDrag(false);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_L:
            editor_.ShiftTimes(ctrl ? -100 : 100);
            return;
        case Qt::Key_F2:
            editor_.ChangeEndTimes(-100);
            return;
        case Qt::Key_F3:
            editor_.ChangeEndTimes(100);
            return;
        case Qt::Key_Delete:
            editor_.Delete(prompt_);
            return;
        default:
            break;
    }
    if (ctrl) {
        switch (event->key()) {
            case Qt::Key_C:
                Copy();
                return;
            case Qt::Key_X:
                Cut();
                return;
            case Qt::Key_V:
                Paste();
                return;
            case Qt::Key_Z:
                Undo();
                return;
            case Qt::Key_Y:
                Redo();
                return;
            case Qt::Key_A:
                if (!document_.objects.empty()) {
                    document_.Select(0, static_cast<int>(document_.objects.size()) - 1);
                }
                return;
            default:
                if (ZoomKey(event->key())) return;
                break;
        }
    }
    if (!ctrl && SelectionKey(event->key(), event->modifiers() & Qt::ShiftModifier)) return;
    if (!ScrollKey(event->key())) event->ignore();  // the window may want it
}

void DocumentView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void DocumentView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) UpdateMetrics();
}
