// The main window's commands that hand work to the external encoder: the sound conversions,
// the video import and the combination of audio and video.
#include "app/timeline/DocumentView.h"
#include "app/video/CombineDlg.h"
#include "app/video/WorkingDlg.h"
#include "app/window/Reelwork.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Win/FileChooser.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/WaitCursor.h"
#include "project/Version.h"
#include "video/Encoder.h"
#include "video/MediaConversion.h"
#include "video/VideoImport.h"

namespace {

struct ConversionDialog {
    const char* title;
    const char* filter;
    const char* extension;
};

ConversionDialog DialogFor(MediaConversion::Kind kind) {
    switch (kind) {
        case MediaConversion::Kind::Mp3ToWave:
            return {"Input MP3 file", "MP3 audio (*.mp3)", "mp3"};
        case MediaConversion::Kind::Mp4ToWave:
            return {"Input MP4file", "MP4 audio (*.mp4)", "mp4"};
        case MediaConversion::Kind::WaveToMp3:
            break;
    }
    return {"Input Wave file", "Wave audio (*.wav)", "wav"};
}

}  // namespace

// The output is deleted before the job starts, so a failed job leaves no stale file. Only a
// program that could not be started is reported; what the encoder says is not shown.
void Reelwork::ConvertMedia(MediaConversion::Kind kind) {
    const ConversionDialog dialog = DialogFor(kind);
    const std::string chosen =
        Win::FileChooser::Open(this, dialog.title, dialog.filter, dialog.extension);
    if (chosen.empty()) return;
    MediaConversion plan;
    if (Sys::Result r = plan.Plan(kind, chosen, {}); r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), kProgramName);
        return;
    }
    (void)Sys::DeleteFile(plan.output());
    std::string encoder;
    if (!Encoder::Find(encoder)) {
        Win::MessageBox::ShowError(this, Encoder::kNotFound, kProgramName);
        return;
    }
    (void)plan.Plan(kind, chosen, encoder);
    WorkingDlg working(plan.commandLine(), encoder, this);
    if (working.exec() == QDialog::Accepted && !working.result().empty()) {
        Win::MessageBox::ShowError(this, working.result(), kProgramName);
    }
}

// The video becomes a frame folder named after it; the user places it on the timeline with
// the object editor.
void Reelwork::ImportVideo() {
    const Document& document = view_->document();
    if (!document.IsOpen()) return;
    const std::string video =
        Win::FileChooser::Open(this, "ImportVideo", "MP4 video (*.mp4);;AVI video (*.avi)", "mp4");
    if (video.empty()) return;
    std::string name;
    if (!VideoImport::FolderName(video, name)) {
        Win::MessageBox::ShowError(this, "Error in file name", VideoImport::kCaption);
        return;
    }
    const std::string folder = document.folder() + "/" + name;
    if (Sys::FolderExists(folder) &&
        !Win::MessageBox::AskYesNo(this, VideoImport::kAskAgain, VideoImport::kCaption)) {
        return;
    }
    if (Sys::Result r = VideoImport::PrepareFolder(folder); r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), VideoImport::kCaption);
        return;
    }
    std::string encoder;
    if (!Encoder::Find(encoder)) {
        Win::MessageBox::ShowError(this, Encoder::kNotFound, kProgramName);
        return;
    }
    WorkingDlg working(VideoImport::CommandLine(encoder, video, document.folder(), name), folder,
                       this);
    working.exec();
    Sys::Result written;
    {
        Win::WaitCursor wait;
        written = Sys::WriteImportVideoBin(folder);
    }
    if (written.failed()) Win::MessageBox::ShowError(this, written.message(), kProgramName);
}

void Reelwork::CombineAudioVideo() {
    CombineDlg dialog(combineSettings_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    combineSettings_ = dialog.settings();
    WorkingDlg working(dialog.commandLine(), dialog.folder(), this);
    working.exec();
}
