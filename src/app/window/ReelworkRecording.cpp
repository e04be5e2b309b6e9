// Screen recording: the main window keeps the settings, runs the dialogs and the countdown,
// then steps aside (minimised) while its timer writes the pictures, until the user stops the
// recording or brings the window back.
#include <QApplication>
#include <QStyle>

#include "app/timeline/DocumentView.h"
#include "app/video/GetReadyDlg.h"
#include "app/video/ScreenCaptureDlg.h"
#include "app/window/Reelwork.h"
#include "panelwick/Win/MessageBox.h"
#include "project/Version.h"
#include "video/ScreenGrabber.h"
#include "video/ScreenRecorder.h"

// The rectangle starts one border width in and one title bar plus border down, the frame a
// window keeps around its content.
void Reelwork::SetUpRecording() {
    grabber_ = std::make_unique<ScreenGrabber>();
    recorder_ = std::make_unique<ScreenRecorder>(*grabber_);
    const QStyle* style = QApplication::style();
    recordingSettings_.left = 1;
    recordingSettings_.top = style->pixelMetric(QStyle::PM_TitleBarHeight) + 1;
    recordingTimer_.setInterval(ScreenRecorder::kTickMilliseconds);
    recordingTimer_.setTimerType(Qt::PreciseTimer);
    connect(&recordingTimer_, &QTimer::timeout, this, &Reelwork::RecordingTick);
}

void Reelwork::RecordFromScreen() {
    const Document& document = view_->document();
    if (!document.IsOpen()) return;
    if (Sys::Result r = grabber_->Connect(); r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), RecordingChoices::kCaption);
        return;
    }
    ScreenCaptureDlg dialog(*grabber_, document.folder(), document.properties.height,
                            recordingSettings_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    recordingSettings_ = dialog.settings();
    const std::string folder = document.folder() + "/" + recordingSettings_.outputFolder;
    if (Sys::Result r = ScreenRecorder::PrepareFolder(folder); r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), kProgramName);
        return;
    }
    GetReadyDlg ready(this);
    ready.exec();
    showMinimized();
    if (Sys::Result r =
            recorder_->Start(folder, dialog.source(), dialog.movieHeight(), recordingSettings_);
        r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), kProgramName);
        return;
    }
    SetMode(kRecording);
    RefreshCommands();
    ApplyLayout();
    recordingTimer_.start();
}

void Reelwork::RecordingTick() {
    if (mode_ == kRecording) recorder_->Tick();
}

// A screen recording ends by Stop or by restoring the window.
void Reelwork::EndRecording() {
    recorder_->Stop();
    recordingTimer_.stop();
    SetMode(kEditing);
    RefreshCommands();
    ApplyLayout();
}
