// The timeline's mouse: clicks select rows, drags move bars or their edges, the wheel zooms
// (Ctrl) or scrolls sideways (Shift), a right click asks the window for its menu.
#include <algorithm>

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include "app/timeline/DocumentView.h"
#include "editing/Playhead.h"
#include "panelwick/Sys/Utf.h"

namespace {

Qt::CursorShape CursorOf(TimelineGeometry::Part part) {
    switch (part) {
        case TimelineGeometry::Part::LeftEdge:
        case TimelineGeometry::Part::RightEdge:
            return Qt::SizeHorCursor;
        case TimelineGeometry::Part::Middle:
            return Qt::OpenHandCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

// Selects the clicked row, or with Ctrl or Shift grows the selection to include it; false
// when the click was below the last row. A selected row pressed without keys keeps the
// selection until the release, so that a drag moves every selected row.
bool DocumentView::ClickRow(const QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const int row = RowAt(static_cast<int>(event->position().y()));
    if (row < 0 || row >= static_cast<int>(document_.objects.size())) return false;
    const bool grow = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    const bool selected = row >= document_.first() && row <= document_.last();
    if (grow && document_.first() >= 0 && document_.last() >= 0) {
        document_.Select(std::min(document_.first(), row), std::max(document_.last(), row));
    } else if (selected && event->type() == QEvent::MouseButtonPress) {
        pressedRow_ = row;
    } else {
        document_.Select(row, row);
    }
    return true;
}

TimelineGeometry::Part DocumentView::PartAt(const QPoint& point, int& row) const {
    row = RowAt(point.y());
    if (row < 0 || row >= static_cast<int>(document_.objects.size())) {
        return TimelineGeometry::Part::None;
    }
    const MovieObject& o = document_.objects[row];
    return geometry_.HitTest(o.begin, o.end, point.x());
}

bool DocumentView::StartDrag(const QMouseEvent* event) {
    int row;
    const TimelineGeometry::Part part = PartAt(event->position().toPoint(), row);
    if (part == TimelineGeometry::Part::None) return false;
    drag_.emplace(document_.objects, document_.first(), document_.last(), row, part);
    dragX_ = event->position().toPoint().x();
    if (part == TimelineGeometry::Part::Middle) viewport()->setCursor(Qt::ClosedHandCursor);
    return true;
}

// Ends the drag, keeping its times behind one undo point or putting the old ones back.
void DocumentView::EndDrag(bool keep) {
    if (!drag_) return;
    if (keep) {
        drag_->Finish(document_);
    } else {
        drag_->Cancel();
    }
    drag_.reset();
    QToolTip::hideText();
    viewport()->unsetCursor();
    UpdateScrollRanges();
    viewport()->update();
    emit selectionChanged();
}

void DocumentView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || drag_) return;
    pressedRow_ = -1;
    if (ClickRow(event)) (void)StartDrag(event);
}

void DocumentView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (!drag_) {
        int row;
        viewport()->setCursor(CursorOf(PartAt(point, row)));
        return;
    }
    const bool snap = !(event->modifiers() & Qt::ShiftModifier);
    const uint32_t ms = drag_->Update(geometry_, point.x() - dragX_, snap, playheadMs_);
    if (drag_->Changed()) pressedRow_ = -1;
    QToolTip::showText(event->globalPosition().toPoint(),
                       QString::fromStdString(Playhead::TimeText(ms)), viewport());
    viewport()->update();
}

void DocumentView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    EndDrag(true);
    if (pressedRow_ >= 0) document_.Select(pressedRow_, pressedRow_);
    pressedRow_ = -1;
}

void DocumentView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ClickRow(event)) emit editRequested();
}

void DocumentView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int amount = delta.y() != 0 ? delta.y() : delta.x();
    if (event->modifiers() & Qt::ControlModifier) {
        if (amount != 0) Zoom(amount > 0 ? 1 : -1, event->position().toPoint().x());
        event->accept();
    } else if (event->modifiers() & Qt::ShiftModifier || delta.y() == 0) {
        QScrollBar* across = horizontalScrollBar();
        across->setValue(across->value() - amount * across->singleStep() * 3 / 120);
        event->accept();
    } else {
        QAbstractScrollArea::wheelEvent(event);
    }
}

// Over a row whose file is missing, the tooltip names the file.
bool DocumentView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int row = RowAt(help->pos().y());
    if (drag_ || row < 0 || row >= static_cast<int>(document_.objects.size())) return true;
    const std::string name = Sys::ToUtf8(document_.objects[row].fileName);
    if (FileMissing(document_.objects[row])) {
        QToolTip::showText(help->globalPos(),
                           QStringLiteral("Missing file: %1").arg(QString::fromStdString(name)),
                           viewport());
    } else {
        QToolTip::hideText();
    }
    return true;
}

void DocumentView::contextMenuEvent(QContextMenuEvent* event) {
    if (drag_) return;
    const int row = RowAt(event->pos().y());
    if (row >= 0 && row < static_cast<int>(document_.objects.size()) &&
        !(row >= document_.first() && row <= document_.last())) {
        document_.Select(row, row);
    }
    emit contextMenuRequested(event->globalPos());
}
