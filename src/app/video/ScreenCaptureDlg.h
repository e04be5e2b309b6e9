#pragma once

#include <string>

#include <QDialog>

#include "video/RecordingSettings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class ScreenGrabber;

// "Screen recording": the window to record, the project folder to record into (added and
// deleted here), the movie size, the JPG quality and the offset of the grabbed rectangle.
// "Test Capture Area" shows one grabbed picture; "Record" ends the dialog with OK.
class ScreenCaptureDlg : public QDialog {
    Q_OBJECT

public:
    // The main window is minimised while a test picture is grabbed.
    ScreenCaptureDlg(ScreenGrabber& grabber, std::string projectFolder, int movieHeight,
                     const RecordingSettings& settings, QWidget* mainWindow);

    // After OK: the settings to keep, the chosen window and movie height.
    const RecordingSettings& settings() const { return settings_; }
    unsigned long source() const { return source_; }
    int movieHeight() const { return movieHeight_; }

    QListWidget* inputList() const { return inputs_; }
    QListWidget* outputList() const { return outputs_; }
    QComboBox* sizeList() const { return sizes_; }
    QComboBox* qualityList() const { return qualities_; }
    QLabel* lengthLabel() const { return length_; }

    void AddFolder();
    void DeleteFolder();
    void TestCaptureArea();
    void Record();

private:
    void FillInputs();
    void FillOutputs();
    void RefreshLength();
    // Takes the chosen values; false (with the message shown, if any) when something is
    // missing. For "Record" it also asks whether to record into the existing folder.
    bool Collect(bool record);
    void ShowError(const char* text);

    ScreenGrabber& grabber_;
    std::string projectFolder_;
    int movieHeight_;
    RecordingSettings settings_;
    unsigned long source_ = 0;
    QWidget* mainWindow_;
    QLineEdit *left_, *top_;
    QListWidget *inputs_, *outputs_;
    QComboBox *sizes_, *qualities_;
    QLabel* length_;
};
