#include "app/monitor/PlayheadLine.h"

#include <QEvent>
#include <QPainter>

PlayheadLine::PlayheadLine(QWidget* rows, const TimeScale& scale) : QWidget(rows), scale_(scale) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(rows->rect());
    rows->installEventFilter(this);
    show();
}

void PlayheadLine::SetPlayhead(uint32_t ms) {
    playhead_ = ms;
    update();
}

void PlayheadLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(220, 30, 30), 1));
    const int x = scale_.XOfTime(playhead_);
    painter.drawLine(x, 0, x, height());
}

bool PlayheadLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        setGeometry(static_cast<QWidget*>(watched)->rect());
        raise();
    }
    return QWidget::eventFilter(watched, event);
}
