// The main window's commands that hand work to the external encoder: the sound conversions,
// the video import and the combination of audio and video.
#include "app/Reelwork.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/FileChooser.h"
#include "panelwick/Win/MessageBox.h"
#include "project/Version.h"
#include "video/Encoder.h"
#include "video/MediaConversion.h"
#include "video/ui/WorkingDlg.h"

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
