#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

#include "production/IPipelineState.h"
#include "production/TimeLeftText.h"

// The display of a running movie creation: the six stages, each "completed", "pending" or, for
// the running one, the time left.
class ProgressCtrl : public QFrame {
    Q_OBJECT

public:
    struct Status {
        QString text;
        QColor color;
    };

    explicit ProgressCtrl(QWidget* parent = nullptr);

    // Back to the start: no stage running, no status text, the estimate starts over.
    void Reset();
    // One refresh: takes the pipeline's stage and computes the time-left text of it.
    void Refresh(IPipelineState& pipeline);
    // Shows the stage (0 to 6) as running, with the status text, and stage 5 with its own
    // status when the encoder runs alongside (empty otherwise).
    void Show(int stage, const QString& status, const QString& encoderStatus = {});

    int stage() const { return stage_; }
    const QString& statusText() const { return status_; }
    // What the status column of stage i (1 to 6) shows and in which colour.
    Status StatusOf(int i) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int stage_ = 0;
    QString status_, encoderStatus_;
    TimeLeftText timeLeft_;
};
