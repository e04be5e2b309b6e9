#include "panelwick/Win/AdcCtrl.h"

#include <algorithm>

#include <QPainter>

#include "panelwick/Win/Metrics.h"

namespace Win {

AdcCtrl::AdcCtrl(QWidget* parent) : QWidget(parent) {
    adc_.SetWaker([this] {
        QMetaObject::invokeMethod(
            this, [this] { adc_.DeliverEvents(); }, Qt::QueuedConnection);
    });
    adc_.SetChangeHandler([this] { update(); });
    setMinimumHeight(sizeHint().height());
}

QString AdcCtrl::StatusText() const {
    return QString::fromStdString(adc_.StatusText(windowTitle().toStdString()));
}

QSize AdcCtrl::sizeHint() const {
    return QSize(CmToPixels(6), fontMetrics().height() + CmToPixels(0.8));
}

// The status line on top; below it one bar per channel, green up to -6 dB of full scale and
// red beyond.
void AdcCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int margin = CmToPixels(0.1);
    const int textHeight = fontMetrics().height();
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(QRect(margin, 0, width() - margin, textHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, StatusText());
    const int barsTop = textHeight + margin;
    const int barHeight = std::max(2, (height() - barsTop - 2 * margin) / 2);
    const int barWidth = width() - 2 * margin;
    const double scale = adc_.fullScale() > 0 ? adc_.fullScale() : 32768.0;
    const int peaks[2] = {adc_.leftPeak(), adc_.rightPeak()};
    for (int channel = 0; channel < 2; ++channel) {
        const QRect frame(margin, barsTop + channel * (barHeight + margin), barWidth, barHeight);
        painter.fillRect(frame, palette().color(QPalette::Base));
        const double level = adc_.IsOn() ? std::clamp(peaks[channel] / scale, 0.0, 1.0) : 0.0;
        const int loud = int(barWidth * 0.5);
        const int filled = int(barWidth * level);
        painter.fillRect(QRect(frame.left(), frame.top(), std::min(filled, loud), barHeight),
                         QColor(40, 170, 70));
        if (filled > loud) {
            painter.fillRect(QRect(frame.left() + loud, frame.top(), filled - loud, barHeight),
                             QColor(210, 50, 40));
        }
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
}

}  // namespace Win
