#pragma once

#include <memory>
#include <string>

#include "app/audio/ToolDialog.h"
#include "audio/AudioRecorder.h"
#include "editing/AudioToolSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
namespace Win {
class AdcCtrl;
class DacCtrl;
}  // namespace Win

// "Record Audio": records narration into the WAVE files of a folder, plays them back, adds
// empty ones and deletes them.
class RecordAudioDlg : public ToolDialog {
    Q_OBJECT

public:
    RecordAudioDlg(std::string folder, AudioToolSettings& settings, QWidget* parent = nullptr);
    ~RecordAudioDlg() override;

    AudioRecorder& recorder() { return *recorder_; }
    QListWidget* fileList() const { return files_; }
    QCheckBox* monauralBox() const { return monaural_; }
    QCheckBox* muteBox() const { return mute_; }
    QPushButton* recordButton() const { return record_; }
    QPushButton* playButton() const { return play_; }
    QPushButton* stopButton() const { return stop_; }
    QLabel* timeLabel() const { return time_; }
    QLabel* durationLabel() const { return duration_; }
    Win::AdcCtrl& adc() const { return *adc_; }

    // The buttons' actions.
    void Add();
    void Record();
    void Play();
    void Stop();
    void Delete();
    // Lists the folder's files and selects the named one (compared without regard to case).
    void RefillFiles(const std::string& select = {});

private:
    std::string Selected() const;
    void ShowSelection();
    void Changed();

    AudioToolSettings& settings_;
    Win::AdcCtrl* adc_;
    Win::DacCtrl* dac_;
    std::unique_ptr<AudioRecorder> recorder_;
    QListWidget* files_;
    QComboBox *inputs_, *outputs_;
    QCheckBox *monaural_, *mute_;
    QPushButton *add_, *record_, *play_, *stop_, *delete_;
    QLabel *time_, *duration_;
};
