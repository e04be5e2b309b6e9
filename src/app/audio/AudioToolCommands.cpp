#include "app/audio/AudioToolCommands.h"

#include "app/audio/BoostBassDlg.h"
#include "audio/AudioToolRuns.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/WaitCursor.h"

void BoostBassCommand(QWidget* parent, AudioToolSettings& settings) {
    const std::string input = ToolDialog::ChooseFile(parent, "Boost Bass", "Wave audio (*.wav)");
    if (input.empty()) return;
    BoostBassDlg dialog(settings.bassFrequency, settings.bassGain, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    settings.bassFrequency = dialog.frequency();
    settings.bassGain = dialog.gainDb();
    ToolMessage outcome;
    {
        Win::WaitCursor wait;
        outcome = RunBoostBass(input, settings.bassFrequency, settings.bassGain);
    }
    if (outcome.failed()) Win::MessageBox::ShowError(parent, outcome.text, outcome.caption);
}

void SmoothAudioEndsCommand(QWidget* parent) {
    const std::string input = ToolDialog::ChooseFile(parent, "File Audio", "Wave files (*.wav)");
    if (input.empty()) return;
    ToolMessage outcome;
    {
        Win::WaitCursor wait;
        outcome = RunSmoothEnds(input);
    }
    if (outcome.failed()) Win::MessageBox::ShowError(parent, outcome.text, outcome.caption);
}
