// The audio object editor, the recorder and the audio tools of the main window.
#include "app/audio/AppendAudioDlg.h"
#include "app/audio/AudioDlg.h"
#include "app/audio/AudioEditDlg.h"
#include "app/audio/AudioToolCommands.h"
#include "app/audio/MixBalanceDlg.h"
#include "app/audio/NormVolDlg.h"
#include "app/audio/RecordAudioDlg.h"
#include "app/timeline/DocumentView.h"
#include "app/window/Reelwork.h"
#include "panelwick/Win/WaitCursor.h"

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
