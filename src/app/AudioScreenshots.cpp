#include "app/AudioScreenshots.h"

#include <cstdio>
#include <functional>
#include <memory>

#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTimer>

#include "app/Reelwork.h"
#include "audio/ui/AppendAudioDlg.h"
#include "audio/ui/AudioDlg.h"
#include "audio/ui/AudioEditDlg.h"
#include "audio/ui/BoostBassDlg.h"
#include "audio/ui/MixBalanceDlg.h"
#include "audio/ui/NameDlg.h"
#include "audio/ui/NormVolDlg.h"
#include "audio/ui/RecordAudioDlg.h"
#include "project/ui/DocumentView.h"

namespace {

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Shows the dialog, lets `during` set it up, waits, saves what the screen shows and hides it.
void Shoot(QDialog& dialog, const QString& path, const std::function<void()>& during = {}) {
    dialog.show();
    Wait(300);
    if (during) during();
    Wait(700);
    QScreen* screen = dialog.screen();
    QPixmap picture = screen ? screen->grabWindow(dialog.winId()) : QPixmap();
    if (picture.isNull()) picture = dialog.grab();
    std::printf("%s %s\n", picture.save(path) ? "saved" : "could not save",
                path.toLocal8Bit().constData());
    std::fflush(stdout);
    dialog.hide();
}

}  // namespace

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
        Shoot(audio, out.filePath("audio.png"), [&] { audio.Play(); });
        audio.Stop();
        Wait(300);
    }
    {
        RecordAudioDlg recorder(project, settings, &window);
        recorder.RefillFiles("sample.wav");
        Shoot(recorder, out.filePath("record-audio.png"));
    }
    {
        NameDlg name(&window);
        name.nameBox()->setText(QStringLiteral("Narration1"));
        Shoot(name, out.filePath("new-audio-file.png"));
    }
    {
        AppendAudioDlg append(&window);
        append.AddFile(sample);
        append.AddFile(project + "/narration.wav");
        Shoot(append, out.filePath("append-audio.png"));
    }
    {
        NormVolDlg normalize(&window);
        normalize.SetInput(sample);
        Shoot(normalize, out.filePath("normalize-volume.png"));
    }
    {
        BoostBassDlg boost(settings.bassFrequency, settings.bassGain, &window);
        Shoot(boost, out.filePath("boost-bass.png"));
    }
    {
        MixBalanceDlg mix(settings, &window);
        mix.inputBox(1)->setText(QString::fromStdString(project + "/narration.wav"));
        mix.inputBox(2)->setText(QString::fromStdString(sample));
        mix.outputBox()->setText(QString::fromStdString(project + "/mixed.wav"));
        Shoot(mix, out.filePath("mix-audio-files.png"));
    }
    {
        AudioEditDlg cut(settings, &window);
        cut.SetInput(sample);
        cut.timeBox(false, true)->setText(QStringLiteral("1.5"));
        cut.timeBox(true, true)->setText(QStringLiteral("4"));
        Shoot(cut, out.filePath("cut-audio.png"));
    }
}
