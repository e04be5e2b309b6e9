#include "app/editor/PreviewCtrl.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editing/PreviewMove.h"
#include "panelwick/Win/Notice.h"
#include "panelwick/Win/WaitCursor.h"
#include "render/DrawPicture.h"
#include "render/PreviewTransform.h"

PreviewCtrl::PreviewCtrl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewCtrl::SetObject(const MovieObject& object, const CG::ImageRGBA& picture) {
    object_ = object;
    picture_ = picture;
}

void PreviewCtrl::SetWorking(bool working) {
    working_ = working;
    update();
}

const ObjectState& PreviewCtrl::shownState() const {
    return showBegin_ ? object_.beginState : object_.endState;
}

ObjectState& PreviewCtrl::ShownState() {
    return showBegin_ ? object_.beginState : object_.endState;
}

void PreviewCtrl::Render() {
    Win::WaitCursor wait;
    if (frame_.empty()) return;
    frame_.Fill(background_ & 0xFF, (background_ >> 8) & 0xFF, (background_ >> 16) & 0xFF);
    if (!picture_.empty()) {
        const FrameTransform t = PreviewTransform(shownState(), picture_.width(), picture_.height(),
                                                  frame_.width(), frame_.height());
        (void)DrawPicture(picture_, frame_, t);  // the frame is always 24-bit and top-down
    }
    update();
}

void PreviewCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (working_ || frame_.empty()) {
        painter.fillRect(rect(), Qt::white);
        if (working_) {
            painter.setPen(QColor(0x50, 0x50, 0xFF));
            painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("WORKING . . ."));
        }
        return;
    }
    const QImage image(frame_.pixels(), frame_.width(), frame_.height(), int(frame_.stride()),
                       QImage::Format_BGR888);
    painter.drawImage(0, 0, image);
}

void PreviewCtrl::resizeEvent(QResizeEvent*) {
    if (width() > 0 && height() > 0) {
        frame_.Create(24, 0, width(), height(), false);
    } else {
        frame_.Clear();
    }
    Render();
}

void PreviewCtrl::keyPressEvent(QKeyEvent* event) {
    PreviewKey key;
    switch (event->key()) {
        case Qt::Key_Left:
            key = PreviewKey::Left;
            break;
        case Qt::Key_Up:
            key = PreviewKey::Up;
            break;
        case Qt::Key_Right:
            key = PreviewKey::Right;
            break;
        case Qt::Key_Down:
            key = PreviewKey::Down;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    MoveByKey(ShownState(), key);
    Moved();
}

void PreviewCtrl::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    emit pressed();
    dragStart_ = event->position().toPoint();
    dragging_ = true;
}

void PreviewCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPoint p = event->position().toPoint();
    MoveByDrag(ShownState(), dragStart_.x(), dragStart_.y(), p.x(), p.y(), frame_.width(),
               frame_.height());
    Moved();
}

void PreviewCtrl::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void PreviewCtrl::Moved() {
    Render();
    Win::PostNotice(window(), kMovedNotice);
}
