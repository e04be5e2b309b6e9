#pragma once

#include <string>

#include "app/audio/ToolDialog.h"
#include "audio/AuditionSource.h"
#include "editing/AudioObjectForm.h"
#include "editing/AudioToolSettings.h"
#include "panelwick/Mm/IAudioOut.h"
#include "project/MovieObject.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
namespace Win {
class DacCtrl;
class SignalView;
}  // namespace Win

// "Audio": edits one audio object (its file, times, levels, fades, shelves and skip) and
// auditions it on an output device, processed as the soundtrack mixdown processes it.
class AudioDlg : public ToolDialog, public Mm::IAudioOut {
    Q_OBJECT

public:
    AudioDlg(const MovieObject& object, std::string projectFolder, AudioToolSettings& settings,
             QWidget* parent = nullptr);

    // The edited object, after OK.
    const MovieObject& object() const { return object_; }
    uint32_t durationMs() const { return durationMs_; }

    // The controls, for tests.
    QLineEdit* fileBox() const { return fileName_; }
    QLineEdit* beginMinutesBox() const { return beginMinutes_; }
    QLineEdit* beginSecondsBox() const { return beginSeconds_; }
    QLineEdit* endMinutesBox() const { return endMinutes_; }
    QLineEdit* endSecondsBox() const { return endSeconds_; }
    QLineEdit* fadeInBox() const { return fadeIn_; }
    QLineEdit* fadeOutBox() const { return fadeOut_; }
    QLineEdit* bassFrequencyBox() const { return bassFrequency_; }
    QLineEdit* trebleFrequencyBox() const { return trebleFrequency_; }
    QLineEdit* skipMinutesBox() const { return skipMinutes_; }
    QLineEdit* skipSecondsBox() const { return skipSeconds_; }
    QSlider* volumeSlider(bool end, bool right) const { return volumes_[end][right]; }
    QLabel* durationLabel() const { return duration_; }
    QLabel* timeLabel() const { return time_; }
    QPushButton* playButton() const { return play_; }
    QPushButton* stopButton() const { return stop_; }
    Win::DacCtrl& dac() const { return *dac_; }
    Win::SignalView& signalView() const { return *signal_; }

    // Sets the file as the browse button would: checks it and shows its duration.
    bool ChooseFile(const std::string& fileName);
    void Play();
    void Stop();
    void accept() override;

    // Mm::IAudioOut
    void OnPlayStart(uint32_t samplesPerSecond, uint32_t channels, uint32_t bits) override;
    void OnPlayFill(uint32_t samplesPerSecond, uint32_t channels, uint32_t bits,
                    Mm::WaveHeader& buffer) override;
    void OnPlayEnd() override;

private:
    void Build();
    void Fill(const AudioObjectForm& form);
    AudioObjectForm Read() const;
    void Browse();
    QWidget* FieldOf(const ToolMessage& message) const;

    MovieObject object_;
    std::string folder_;
    AudioToolSettings& settings_;
    uint32_t durationMs_ = 0;
    AuditionSource audition_;

    QLineEdit* fileName_;
    QPushButton* browse_;
    QLabel* duration_;
    QLineEdit *beginMinutes_, *beginSeconds_, *endMinutes_, *endSeconds_;
    QSlider* volumes_[2][2];  // [begin, end][left, right]
    QLineEdit *fadeIn_, *fadeOut_;
    QLineEdit *bassFrequency_, *trebleFrequency_;
    QSlider *bassGain_, *trebleGain_;
    QLineEdit *skipMinutes_, *skipSeconds_;
    QComboBox* devices_;
    QPushButton *play_, *stop_, *ok_, *cancel_;
    QLabel* time_;
    Win::DacCtrl* dac_;
    Win::SignalView* signal_;
};
