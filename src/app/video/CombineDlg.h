#pragma once

#include <string>

#include <QDialog>

#include "video/CombineJob.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Joins a sound with a video: an MP4 video and an MP3 file ("Combine video and audio"), or a
// numbered JPG series and a WAVE file ("JPG to MP4"), into one MP4 file. On OK the command
// line and the folder to run it in are ready for the working dialog.
class CombineDlg : public QDialog {
    Q_OBJECT

public:
    // The settings kept from the last use; the dialog opens in the MP4 mode.
    CombineDlg(const CombineJob::Settings& settings, QWidget* parent = nullptr);

    const CombineJob::Settings& settings() const { return settings_; }
    // The job that Combine built, ready to run.
    const CombineJob& job() const { return job_; }
    const std::string& commandLine() const { return job_.commandLine(); }
    const std::string& folder() const { return job_.folder(); }

    bool jpgMode() const;
    void SetJpgMode(bool jpg);
    QString durationText() const;
    QComboBox* qualityList() const { return quality_; }
    QComboBox* fpsList() const { return fps_; }

    void ChooseAudio();
    void ChooseVideo();
    void ChooseOutput();
    void Combine();

private:
    void ApplyMode();
    void RecomputeDuration();
    void ShowPath(QPushButton* button, const std::string& path);

    CombineJob::Settings settings_;
    CombineJob job_;
    QPushButton *audio_, *video_, *output_;
    QLabel* videoLabel_;
    QComboBox *quality_, *fps_;
    QLineEdit* duration_;
    QRadioButton *mp4_, *jpg_;
    QWidget* jpgOnly_[6];  // shown in the JPG mode only
};
