#pragma once

#include <QWidget>

#include "panelwick/Mm/Adc.h"

namespace Win {

// A sound input device as a small control: it runs the device's notices on the window thread
// and shows its status, "<text>: OFF" or "<text>: <rate> Hz/<bits> bits", with a level bar
// for each channel's peak of the last recorded buffer.
class AdcCtrl : public QWidget {
    Q_OBJECT

public:
    explicit AdcCtrl(QWidget* parent = nullptr);

    Mm::Adc& adc() { return adc_; }
    QString StatusText() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Mm::Adc adc_;
};

}  // namespace Win
