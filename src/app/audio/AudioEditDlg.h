#pragma once

#include "app/audio/ToolDialog.h"
#include "audio/WaveFilePlayback.h"
#include "editing/AudioToolSettings.h"
#include "panelwick/Mm/IAudioOut.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace Win {
class DacCtrl;
}

// "Cut Audio": copies the part of a WAVE file between a start and an end time into
// "<name>_cut.wav" beside it; "Play" listens to that part first.
class AudioEditDlg : public ToolDialog, public Mm::IAudioOut {
    Q_OBJECT

public:
    AudioEditDlg(AudioToolSettings& settings, QWidget* parent = nullptr);

    QLineEdit* inputBox() const { return input_; }
    QLineEdit* timeBox(bool end, bool seconds) const { return times_[end][seconds]; }
    QLabel* positionLabel() const { return position_; }
    QLabel* durationLabel() const { return duration_; }
    QPushButton* stopButton() const { return stop_; }
    Win::DacCtrl& dac() const { return *dac_; }

    void SetInput(const std::string& path);
    void Play();
    void Stop();
    void Output();

    // Mm::IAudioOut
    void OnPlayStart(uint32_t samplesPerSecond, uint32_t channels, uint32_t bits) override;
    void OnPlayFill(uint32_t samplesPerSecond, uint32_t channels, uint32_t bits,
                    Mm::WaveHeader& buffer) override;
    void OnPlayEnd() override;

private:
    double Seconds(bool end) const;

    AudioToolSettings& settings_;
    WaveFilePlayback playback_;
    QLineEdit* input_;
    QLineEdit* times_[2][2];  // [start, end][minutes, seconds]
    QPushButton *browse_, *play_, *stop_, *output_;
    QLabel *position_, *duration_;
    Win::DacCtrl* dac_;
};
