#include "app/timeline/DocumentView.h"

#include <algorithm>

#include <QFontInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/timeline/MessageBoxPrompt.h"
#include "panelwick/Sys/Utf.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/Notice.h"
#include "panelwick/Win/WaitCursor.h"
#include "project/TimeText.h"

namespace {

constexpr int kPixelsPerSecond = 4;
constexpr int kMinuteWidth = 60 * kPixelsPerSecond;
const QColor kBackground(235, 235, 235);
const QColor kMinuteLine(255, 255, 255);
const QColor kBar(255, 255, 255), kSelectedBar(200, 200, 220);
const QColor kTimeText(140, 140, 140), kSelectedTimeText(0, 0, 0);
const QColor kName(110, 100, 255), kSelectedName(0, 40, 255);

}  // namespace

DocumentView::DocumentView(QWidget* parent)
    : QAbstractScrollArea(parent),
      ownPrompt_(std::make_unique<MessageBoxPrompt>(this)),
      prompt_(ownPrompt_.get()) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    document_.SetListener(this);
    UpdateMetrics();
}

DocumentView::~DocumentView() {
    document_.SetListener(nullptr);
}

void DocumentView::SetPrompt(IDocumentPrompt* prompt) {
    prompt_ = prompt ? prompt : ownPrompt_.get();
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
    horizontalScrollBar()->setRange(0, std::max(0, horizontalExtent() - width));
    horizontalScrollBar()->setPageStep(std::max(1, width));
    horizontalScrollBar()->setSingleStep(std::max(1, fontHeight_));
}

void DocumentView::SelectionChanged() {
    emit selectionChanged();
}

void DocumentView::ObjectsChanged() {
    if (noticeReceiver_) Win::PostNotice(noticeReceiver_, Win::kAppMessage);
}

void DocumentView::Repaint() {
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

void DocumentView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kBackground);
    painter.setFont(font());
    const int textHeight = QFontMetrics(font()).size(0, QStringLiteral("0:00")).height();
    const int rows = static_cast<int>(document_.objects.size());
    const int x = -horizontalScrollBar()->value();
    int y = 0;
    for (int row = verticalScrollBar()->value(); row < rows && y < viewport()->height(); ++row) {
        DrawRow(painter, x, y, row, textHeight);
        y += rowHeight_;
    }
}

void DocumentView::DrawRow(QPainter& painter, int x, int y, int row, int textHeight) {
    const MovieObject& object = document_.objects[row];
    const bool selected =
        document_.first() >= 0 && row >= document_.first() && row <= document_.last();
    const double b = object.begin / 1000.0;
    const double e = object.end / 1000.0;

    painter.setPen(kMinuteLine);
    for (int line = x; line < viewport()->width(); line += kMinuteWidth) {
        if (line >= 0) painter.drawLine(line, y, line, y + rowHeight_ - 1);
    }
    const int left = static_cast<int>(x + kPixelsPerSecond * b);
    const int right = static_cast<int>(x + kPixelsPerSecond * e);
    painter.fillRect(left, y, right - left, rowHeight_, selected ? kSelectedBar : kBar);

    const int iconLeft = left + margin_;
    const int textTop = y + (rowHeight_ - textHeight + 1) * 50 / 100;
    painter.drawPixmap(iconLeft, y + (rowHeight_ - icons_.size() + 1) * 50 / 100,
                       icons_.Get(object.type, selected));

    const QFontMetrics metrics(font());
    const QString time = QString::fromStdString(TimeText(object.begin, object.end));
    const int timeLeft = iconLeft + icons_.size() + margin_;
    painter.setPen(selected ? kSelectedTimeText : kTimeText);
    painter.drawText(timeLeft, textTop + metrics.ascent(), time);
    painter.setPen(selected ? kSelectedName : kName);
    painter.drawText(timeLeft + metrics.horizontalAdvance(time) + margin_,
                     textTop + metrics.ascent(),
                     QString::fromStdString(Sys::ToUtf8(object.DisplayName())));
}

// Page Up/Down, Home/End and Up/Down move through the rows, Left/Right a page sideways.
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
        case Qt::Key_Home:
            rows->setValue(rows->minimum());
            return true;
        case Qt::Key_End:
            rows->setValue(rows->maximum());
            return true;
        case Qt::Key_Up:
            rows->setValue(rows->value() - 1);
            return true;
        case Qt::Key_Down:
            rows->setValue(rows->value() + 1);
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
            default:
                break;
        }
    }
    if (!ScrollKey(event->key())) event->ignore();  // the window may want it
}

// Selects the clicked row, or with Ctrl or Shift grows the selection to include it; false
// when the click was below the last row.
bool DocumentView::ClickRow(const QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const int row = RowAt(static_cast<int>(event->position().y()));
    if (row < 0 || row >= static_cast<int>(document_.objects.size())) return false;
    const bool grow = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (grow && document_.first() >= 0 && document_.last() >= 0) {
        document_.Select(std::min(document_.first(), row), std::max(document_.last(), row));
    } else {
        document_.Select(row, row);
    }
    return true;
}

void DocumentView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) (void)ClickRow(event);
}

void DocumentView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && ClickRow(event)) emit editRequested();
}

void DocumentView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void DocumentView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) UpdateMetrics();
}
