// The main window's import from anywhere: "Add Media...", files dropped on the timeline and
// the files a project misses when it opens.

#include <QAction>

#include "app/monitor/MonitorPanel.h"
#include "app/timeline/DocumentView.h"
#include "app/timeline/TimelineDrop.h"
#include "app/window/ImportDlg.h"
#include "app/window/MissingFilesDlg.h"
#include "app/window/Reelwork.h"
#include "panelwick/Win/FileChooser.h"
#include "panelwick/Win/MessageBox.h"
#include "project/MissingFiles.h"
#include "project/Version.h"
#include "video/MediaImportJob.h"

namespace {

constexpr const char* kMediaFilters =
    "Pictures, sound and video (*.jpg *.jpeg *.png *.gif *.bmp *.wav *.mp3 *.ogg *.flac *.m4a "
    "*.mp4 *.avi *.mkv *.mov *.webm);;Pictures (*.jpg *.jpeg *.png *.gif *.bmp);;"
    "Sound (*.wav *.mp3 *.ogg *.flac *.m4a);;Video (*.mp4 *.avi *.mkv *.mov *.webm)";

}  // namespace

void Reelwork::SetUpMediaImport() {
    timelineDrop_ = new TimelineDrop(view_);
    connect(timelineDrop_, &TimelineDrop::mediaDropped, this,
            [this](const std::vector<std::string>& files, uint32_t at) {
                if (mode_ == kEditing && view_->document().IsOpen()) ImportMedia(files, at);
            });
}

void Reelwork::CheckMissingFiles() {
    Document& document = view_->document();
    if (!document.IsOpen() || MissingFiles::Find(document).empty()) return;
    MissingFilesDlg dialog(document, this);
    dialog.exec();
    RefreshCommands();
}

void Reelwork::AddMedia() {
    if (!view_->document().IsOpen()) return;
    const std::vector<std::string> files =
        Win::FileChooser::OpenSeveral(this, "Add Media", kMediaFilters);
    if (!files.empty()) ImportMedia(files, MediaInsertionTime());
}

uint32_t Reelwork::MediaInsertionTime() const {
    return monitor_->playhead().time();
}

void Reelwork::ImportMedia(const std::vector<std::string>& files, uint32_t at) {
    Document& document = view_->document();
    MediaImportJob job;
    job.Plan(document.folder(), files, at);
    ImportDlg dialog([&job](Mt::Task& task) { return job.Run(task); }, int(job.files().size()),
                     this);
    dialog.exec();
    const Mt::TaskResult& result = dialog.result();
    if (result.failed()) Win::MessageBox::ShowError(this, result.FullText(), kProgramName);
    if (!result.ok()) return;
    job.AddTo(document);
    RefreshCommands();
    if (job.AnyRefused()) Win::MessageBox::ShowError(this, job.RefusedMessage(), kProgramName);
}
