// The audio object editor, the recorder and the audio tools of the main window.
#include "app/Reelwork.h"
#include "audio/ui/AppendAudioDlg.h"
#include "audio/ui/AudioDlg.h"
#include "audio/ui/AudioEditDlg.h"
#include "audio/ui/AudioToolCommands.h"
#include "audio/ui/MixBalanceDlg.h"
#include "audio/ui/NormVolDlg.h"
#include "audio/ui/RecordAudioDlg.h"
#include "panelwick/Win/WaitCursor.h"
#include "project/ui/DocumentView.h"

bool Reelwork::RunAudioEditor(MovieObject& object) {
    std::unique_ptr<AudioDlg> dialog;
    {
        Win::WaitCursor wait;
        dialog =
            std::make_unique<AudioDlg>(object, view_->document().folder(), audioSettings_, this);
    }
    if (dialog->exec() != QDialog::Accepted) return false;
    object = dialog->object();
    return true;
}

void Reelwork::RunAudioTool(CommandId id) {
    switch (id) {
        case CommandId::RecordAudio: {
            if (!view_->document().IsOpen()) return;
            RecordAudioDlg dialog(view_->document().folder(), audioSettings_, this);
            dialog.exec();
            break;
        }
        case CommandId::AppendAudio: {
            AppendAudioDlg dialog(this);
            dialog.exec();
            break;
        }
        case CommandId::NormalizeAudio: {
            NormVolDlg dialog(this);
            dialog.exec();
            break;
        }
        case CommandId::BoostBass:
            BoostBassCommand(this, audioSettings_);
            break;
        case CommandId::CutAudio: {
            AudioEditDlg dialog(audioSettings_, this);
            dialog.exec();
            break;
        }
        case CommandId::SmoothAudioEnds:
            SmoothAudioEndsCommand(this);
            break;
        case CommandId::AddBackMusic: {
            MixBalanceDlg dialog(audioSettings_, this);
            dialog.exec();
            break;
        }
        default:
            break;
    }
}
