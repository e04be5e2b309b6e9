#include "app/monitor/TimeRuler.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kRulerBackground(215, 215, 215), kTick(90, 90, 90), kPlayhead(220, 30, 30);

}  // namespace

TimeRuler::TimeRuler(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ruler"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::IBeamCursor);
}

QSize TimeRuler::sizeHint() const {
    return QSize(200, fontMetrics().height() + 8);
}

void TimeRuler::SetPlayhead(uint32_t ms) {
    if (ms == playhead_) return;
    playhead_ = ms;
    update();
}

void TimeRuler::SetOrigin(int x) {
    origin_ = x;
    update();
}

void TimeRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kRulerBackground);
    const QFontMetrics metrics = fontMetrics();
    const int minGap = 6, labelGap = metrics.horizontalAdvance(QStringLiteral("00:00.0")) + 8;
    const uint32_t labelStep = scale_.LabelStepMs(minGap, labelGap);
    const int h = height();
    painter.setPen(kTick);
    for (const TimeScale::Tick& t : scale_.Ticks(width() - origin_, minGap, labelGap)) {
        const int x = origin_ + t.x;
        painter.drawLine(x, t.labelled ? 2 : h - 5, x, h - 1);
        if (t.labelled) {
            painter.drawText(x + 3, metrics.ascent() + 1,
                             QString::fromStdString(TimeScale::Label(t.ms, labelStep)));
        }
    }
    const int x = origin_ + scale_.XOfTime(playhead_);
    painter.setPen(QPen(kPlayhead, 2));
    painter.drawLine(x, 0, x, h);
}

void TimeRuler::Scrub(int x) {
    emit scrubbed(scale_.TimeAtX(x - origin_));
}

void TimeRuler::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Scrub(event->position().toPoint().x());
}

void TimeRuler::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) Scrub(event->position().toPoint().x());
}
