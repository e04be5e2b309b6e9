#pragma once

#include "app/audio/ToolDialog.h"

class QLabel;
class QSlider;

// "Boost Bass": the cut frequency (30 to 150 Hz) and the gain (1 to 20 dB) of the bass boost.
class BoostBassDlg : public ToolDialog {
    Q_OBJECT

public:
    BoostBassDlg(int frequency, int gainDb, QWidget* parent = nullptr);

    int frequency() const;
    int gainDb() const;
    QSlider* frequencySlider() const { return frequency_; }
    QSlider* gainSlider() const { return gain_; }

private:
    QSlider *frequency_, *gain_;
};
