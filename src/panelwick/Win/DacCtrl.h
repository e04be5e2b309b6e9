#pragma once

#include <QWidget>

#include "panelwick/Mm/Dac.h"

namespace Win {

// A sound output device as a small control: it runs the device's notices on the window
// thread (the device wakes it with a posted call) and shows its one-line status, its window
// text (or "DAC") followed by ": OFF" or the format being played.
class DacCtrl : public QWidget {
    Q_OBJECT

public:
    explicit DacCtrl(QWidget* parent = nullptr);

    Mm::Dac& dac() { return dac_; }
    QString StatusText() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Mm::Dac dac_;
};

}  // namespace Win
