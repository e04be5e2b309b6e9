#include "panelwick/Win/DacCtrl.h"

#include <QPainter>

#include "panelwick/Win/Metrics.h"

namespace Win {

DacCtrl::DacCtrl(QWidget* parent) : QWidget(parent) {
    // The device's thread only posts a call; the notices run here, on the window thread.
    dac_.SetWaker([this] {
        QMetaObject::invokeMethod(
            this, [this] { dac_.DeliverEvents(); }, Qt::QueuedConnection);
    });
    dac_.SetChangeHandler([this] { update(); });
    setMinimumHeight(sizeHint().height());
}

QString DacCtrl::StatusText() const {
    return QString::fromStdString(dac_.StatusText(windowTitle().toStdString()));
}

QSize DacCtrl::sizeHint() const {
    return QSize(CmToPixels(6), fontMetrics().height() + CmToPixels(0.2));
}

void DacCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect().adjusted(CmToPixels(0.1), 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     StatusText());
}

}  // namespace Win
