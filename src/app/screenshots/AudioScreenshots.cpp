#include "app/screenshots/AudioScreenshots.h"

#include <memory>

#include <QDir>
#include <QLineEdit>
#include <QListWidget>

#include "app/audio/AppendAudioDlg.h"
#include "app/audio/AudioDlg.h"
#include "app/audio/AudioEditDlg.h"
#include "app/audio/BoostBassDlg.h"
#include "app/audio/MixBalanceDlg.h"
#include "app/audio/NameDlg.h"
#include "app/audio/NormVolDlg.h"
#include "app/audio/RecordAudioDlg.h"
#include "app/screenshots/DialogShot.h"
#include "app/timeline/DocumentView.h"
#include "app/window/Reelwork.h"

void SaveAudioDialogShots(Reelwork& window, const QString& folder) {
    const std::string project = window.view().document().folder();
    const std::string sample = project + "/sample.wav";
    const QDir out(folder);
    AudioToolSettings settings;

    // The audio object editor while it auditions the sample.
    MovieObject sound;
    sound.type = MovieObjectType::Audio;
    sound.fileName = u"sample.wav";
    sound.begin = 1000;
    sound.end = 6000;
    sound.endState.volumeLeft = -12;
    sound.bassGain = 4;
    {
        AudioDlg audio(sound, project, settings, &window);
        ShootDialog(audio, out.filePath("audio.png"), [&] { audio.Play(); });
        audio.Stop();
        WaitMs(300);
    }
    {
        RecordAudioDlg recorder(project, settings, &window);
        recorder.RefillFiles("sample.wav");
        ShootDialog(recorder, out.filePath("record-audio.png"));
    }
    {
        NameDlg name(&window);
        name.nameBox()->setText(QStringLiteral("Narration1"));
        ShootDialog(name, out.filePath("new-audio-file.png"));
    }
    {
        AppendAudioDlg append(&window);
        append.AddFile(sample);
        append.AddFile(project + "/narration.wav");
        ShootDialog(append, out.filePath("append-audio.png"));
    }
    {
        NormVolDlg normalize(&window);
        normalize.SetInput(sample);
        ShootDialog(normalize, out.filePath("normalize-volume.png"));
    }
    {
        BoostBassDlg boost(settings.bassFrequency, settings.bassGain, &window);
        ShootDialog(boost, out.filePath("boost-bass.png"));
    }
    {
        MixBalanceDlg mix(settings, &window);
        mix.inputBox(1)->setText(QString::fromStdString(project + "/narration.wav"));
        mix.inputBox(2)->setText(QString::fromStdString(sample));
        mix.outputBox()->setText(QString::fromStdString(project + "/mixed.wav"));
        ShootDialog(mix, out.filePath("mix-audio-files.png"));
    }
    {
        AudioEditDlg cut(settings, &window);
        cut.SetInput(sample);
        cut.timeBox(false, true)->setText(QStringLiteral("1.5"));
        cut.timeBox(true, true)->setText(QStringLiteral("4"));
        ShootDialog(cut, out.filePath("cut-audio.png"));
    }
}
