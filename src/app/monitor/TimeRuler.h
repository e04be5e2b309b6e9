#pragma once

#include <functional>

#include <QWidget>

#include "editing/TimeScale.h"

// The time ruler along the top of the timeline: ticks and labels from its scale, and the
// playhead's marker. A click or a drag on it moves the playhead (scrubbing).
class TimeRuler : public QWidget {
    Q_OBJECT

public:
    explicit TimeRuler(QWidget* parent = nullptr);

    TimeScale& scale() { return scale_; }
    void SetPlayhead(uint32_t ms);
    // Where the time bars begin, in the ruler's pixels (the timeline's frame).
    void SetOrigin(int x);
    int origin() const { return origin_; }
    QSize sizeHint() const override;

signals:
    void scrubbed(uint32_t ms);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Scrub(int x);

    TimeScale scale_;
    uint32_t playhead_ = 0;
    int origin_ = 0;
};
