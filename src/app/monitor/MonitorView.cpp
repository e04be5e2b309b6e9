#include "app/monitor/MonitorView.h"

#include <QKeyEvent>
#include <QPainter>

MonitorView::MonitorView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("monitor"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 90);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize MonitorView::PictureSize(int movieWidth, int movieHeight) const {
    const int w = width(), h = height();
    if (movieWidth <= 0 || movieHeight <= 0 || w <= 0 || h <= 0) return {};
    // Whole pixels of the movie's aspect: the width decides unless the height is short.
    if (int64_t(w) * movieHeight <= int64_t(h) * movieWidth) {
        return QSize(w, std::max(1, int((int64_t(w) * movieHeight + movieWidth / 2) / movieWidth)));
    }
    return QSize(std::max(1, int((int64_t(h) * movieWidth + movieHeight / 2) / movieHeight)), h);
}

void MonitorView::SetBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void MonitorView::ShowFrame(const std::shared_ptr<CG::DIBitmap>& frame) {
    // A copy of its own, so the picture outlives the frame it came in.
    image_ = frame ? QImage(frame->pixels(), frame->width(), frame->height(),
                            qsizetype(frame->stride()), QImage::Format_BGR888)
                         .copy()
                   : QImage();
    update();
}

void MonitorView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(40, 40, 40));
    if (image_.isNull()) return;
    const QRect area((width() - image_.width()) / 2, (height() - image_.height()) / 2,
                     image_.width(), image_.height());
    // Letterbox bars in the movie's background colour around the frame.
    painter.fillRect(rect(), background_);
    painter.drawImage(area.topLeft(), image_);
}

void MonitorView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

void MonitorView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            emit keyPressed(event->key(), event->modifiers());
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void MonitorView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}
