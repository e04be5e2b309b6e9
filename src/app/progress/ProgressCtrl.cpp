#include "app/progress/ProgressCtrl.h"

#include <QPainter>

#include "production/PipelineStages.h"

namespace {

const QColor kCompleted(0, 180, 0);
const QColor kPending(255, 20, 20);

}  // namespace

ProgressCtrl::ProgressCtrl(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void ProgressCtrl::Reset() {
    stage_ = 0;
    status_.clear();
    timeLeft_.Reset(TimeLeftText::Clock::now());
    update();
}

void ProgressCtrl::Refresh(IPipelineState& pipeline) {
    const int stage = pipeline.CurrentStage();
    const bool restart = pipeline.TakeStageRestart();
    const double encoder = pipeline.EncoderFraction();
    Show(stage,
         QString::fromStdString(timeLeft_.Next(restart, pipeline.ProgressFraction() * 100,
                                               TimeLeftText::Clock::now())),
         encoder >= 0 ? QStringLiteral("encoding %1%").arg(int(encoder * 100)) : QString());
}

void ProgressCtrl::Show(int stage, const QString& status, const QString& encoderStatus) {
    stage_ = stage;
    status_ = status;
    encoderStatus_ = encoderStatus;
    update();
}

ProgressCtrl::Status ProgressCtrl::StatusOf(int i) const {
    if (i < stage_) return {QStringLiteral("completed"), kCompleted};
    if (i == stage_) {
        return {status_.isEmpty() ? QStringLiteral("working. . .") : status_, Qt::black};
    }
    // The encoder's stage advancing with the frames streamed to it.
    if (i == 5 && !encoderStatus_.isEmpty()) return {encoderStatus_, Qt::black};
    return {QStringLiteral("pending"), kPending};
}

void ProgressCtrl::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, palette().color(QPalette::Button));
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int h = metrics.height();
    const int lineStep = h + metrics.leading();
    const int statusX = metrics.horizontalAdvance(QString::fromLatin1(StageName(5))) + 2 * h;
    int y = area.top() + h;
    for (int i = 1; i <= kPipelineStageCount; ++i) {
        painter.setPen(Qt::black);
        painter.drawText(area.left() + h, y + metrics.ascent(), QString::fromLatin1(StageName(i)));
        const Status status = StatusOf(i);
        painter.setPen(status.color);
        painter.drawText(area.left() + statusX, y + metrics.ascent(), status.text);
        y += lineStep;
    }
}
