#pragma once

#include <QWidget>

#include "editing/TimeScale.h"

// The playhead's vertical line across every timeline row: a see-through layer over the
// timeline's rows that lets every mouse event through.
class PlayheadLine : public QWidget {
    Q_OBJECT

public:
    // Lies over `rows` and follows its size.
    PlayheadLine(QWidget* rows, const TimeScale& scale);
    void SetPlayhead(uint32_t ms);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TimeScale& scale_;
    uint32_t playhead_ = 0;
};
