#pragma once

#include "app/audio/ToolDialog.h"
#include "editing/AudioToolSettings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;

// "Mix Audio Files": mixes a voice (Input 1) with music (Input 2) into an output file, at a
// balance between "Voice" and "Music", with repeating music or music that makes way for the
// voice.
class MixBalanceDlg : public ToolDialog {
    Q_OBJECT

public:
    MixBalanceDlg(AudioToolSettings& settings, QWidget* parent = nullptr);

    QLineEdit* inputBox(int which) const { return which == 1 ? input1_ : input2_; }
    QLineEdit* outputBox() const { return output_; }
    QSlider* balanceSlider() const { return balance_; }
    QCheckBox* loopBox() const { return loop_; }
    QCheckBox* autoLevelBox() const { return autoLevel_; }
    void Start();

private:
    AudioToolSettings& settings_;
    QLineEdit *input1_, *input2_, *output_;
    QSlider* balance_;
    QCheckBox *loop_, *autoLevel_;
    QPushButton* start_;
};
