#include "app/audio/AudioToolCommands.h"

#include "app/audio/BoostBassDlg.h"
#include "audio/AudioToolJob.h"
#include "audio/BoostBassJob.h"
#include "audio/SmoothEndsJob.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/WaitCursor.h"

namespace {

// Runs a planned tool on the window thread under the wait cursor; a refusal or a failure is
// shown under the tool's caption.
void RunHere(QWidget* parent, const AudioToolJob& job, const ToolMessage& refusal,
             const char* caption) {
    if (refusal.failed()) {
        Win::MessageBox::ShowError(parent, refusal.text, refusal.caption);
        return;
    }
    Mt::TaskResult result;
    {
        Win::WaitCursor wait;
        result = job.Run();
    }
    if (result.failed()) Win::MessageBox::ShowError(parent, result.message(), caption);
}

}  // namespace

void BoostBassCommand(QWidget* parent, AudioToolSettings& settings) {
    const std::string input = ToolDialog::ChooseFile(parent, "Boost Bass", "Wave audio (*.wav)");
    if (input.empty()) return;
    BoostBassDlg dialog(settings.bassFrequency, settings.bassGain, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    settings.bassFrequency = dialog.frequency();
    settings.bassGain = dialog.gainDb();
    BoostBassJob job;
    const ToolMessage refusal = job.Plan(input, settings.bassFrequency, settings.bassGain);
    RunHere(parent, job, refusal, BoostBassJob::kCaption);
}

void SmoothAudioEndsCommand(QWidget* parent) {
    const std::string input = ToolDialog::ChooseFile(parent, "File Audio", "Wave files (*.wav)");
    if (input.empty()) return;
    SmoothEndsJob job;
    const ToolMessage refusal = job.Plan(input);
    RunHere(parent, job, refusal, SmoothEndsJob::kCaption);
}
