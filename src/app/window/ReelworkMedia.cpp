// The main window's commands that hand work to the external encoder: the sound conversions,
// the video import and the combination of audio and video.
#include "app/timeline/DocumentView.h"
#include "app/video/CombineDlg.h"
#include "app/video/WorkingDlg.h"
#include "app/window/Reelwork.h"
#include "panelwick/Win/FileChooser.h"
#include "panelwick/Win/MessageBox.h"
#include "project/Version.h"
#include "video/MediaConversion.h"
#include "video/VideoImport.h"
#include "video/VideoImportJob.h"

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

// Shows how a job the working dialog ran ended, when it failed.
void Reelwork::ShowJobFailure(const Mt::TaskResult& result, const char* caption) {
    if (result.failed()) Win::MessageBox::ShowError(this, result.FullText(), caption);
}

// The output is deleted before the job starts, so a failed job leaves no stale file.
void Reelwork::ConvertMedia(MediaConversion::Kind kind) {
    const ConversionDialog dialog = DialogFor(kind);
    const std::string chosen =
        Win::FileChooser::Open(this, dialog.title, dialog.filter, dialog.extension);
    if (chosen.empty()) return;
    MediaConversion plan;
    if (Sys::Result r = plan.Plan(kind, chosen); r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), kProgramName);
        return;
    }
    WorkingDlg working([plan](Mt::Task& task) { return plan.Run(task); }, this);
    working.exec();
    ShowJobFailure(working.result(), kProgramName);
}

// The video becomes a frame folder named after it; the user places it on the timeline with
// the object editor.
void Reelwork::ImportVideo() {
    const Document& document = view_->document();
    if (!document.IsOpen()) return;
    const std::string video =
        Win::FileChooser::Open(this, "ImportVideo", "MP4 video (*.mp4);;AVI video (*.avi)", "mp4");
    if (video.empty()) return;
    VideoImportJob job;
    if (Sys::Result r = job.Plan(document.folder(), video); r.failed()) {
        Win::MessageBox::ShowError(this, r.message(), VideoImport::kCaption);
        return;
    }
    if (job.importedBefore() &&
        !Win::MessageBox::AskYesNo(this, VideoImport::kAskAgain, VideoImport::kCaption)) {
        return;
    }
    WorkingDlg working([&job](Mt::Task& task) { return job.Run(task); }, this);
    working.exec();
    ShowJobFailure(working.result(), VideoImport::kCaption);
}

void Reelwork::CombineAudioVideo() {
    CombineDlg dialog(combineSettings_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    combineSettings_ = dialog.settings();
    const CombineJob job = dialog.job();
    WorkingDlg working([&job](Mt::Task& task) { return job.Run(task); }, this);
    working.exec();
    ShowJobFailure(working.result(), kProgramName);
}
