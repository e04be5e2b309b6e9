#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QToolTip>
#include <QTreeWidget>

#include "app/WhenShown.h"
#include "app/audio/AppendAudioDlg.h"
#include "app/audio/AudioDlg.h"
#include "app/audio/AudioEditDlg.h"
#include "app/audio/BoostBassDlg.h"
#include "app/audio/MixBalanceDlg.h"
#include "app/audio/NameDlg.h"
#include "app/audio/NormVolDlg.h"
#include "app/audio/RecordAudioDlg.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/DacCtrl.h"
#include "panelwick/Win/SignalView.h"
#include "support/AudioPump.h"
#include "support/QtTest.h"
#include "support/TempDir.h"
#include "support/WaveMaker.h"

namespace {

// The caption and text of the message box shown next, which is then closed.
struct BoxSeen {
    QString caption, text;
};

void CloseNextBox(BoxSeen* seen) {
    WhenShown<QMessageBox>([=](QMessageBox& box) {
        seen->caption = box.windowTitle();
        seen->text = box.text();
        box.done(QMessageBox::Ok);
    });
}

MovieObject AudioObject() {
    MovieObject o;
    o.type = MovieObjectType::Audio;
    o.fileName = u"ten.wav";
    o.end = 5000;
    return o;
}

}  // namespace

class AudioDialogsTest : public QObject {
    Q_OBJECT

    TempDir dir;
    AudioToolSettings settings;
    std::string folder() const { return dir.path().string(); }

private slots:
    void initTestCase() {
        UseAudioDriver("dummy");
        WriteWave(dir / "ten.wav", Sine(10 * 44100, 2, 8000, 330), 2);
        Sys::WriteWholeFile(dir / "eight.wav", WaveBytes({.bits = 8}, "abcd"));
    }

    void audioEditorChecksCollectsAndLimits() {
        AudioDlg dialog(AudioObject(), folder(), settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Audio"));
        QCOMPARE(dialog.durationLabel()->text(), QStringLiteral("Duration: 0:10"));
        QCOMPARE(dialog.fadeInBox()->text(), QStringLiteral("2000"));
        QCOMPARE(dialog.volumeSlider(true, true)->minimum(), -50);
        BoxSeen seen;
        CloseNextBox(&seen);
        QVERIFY(!dialog.ChooseFile("eight.wav"));
        QCOMPARE(seen.caption, QStringLiteral("Invalid Audio File"));
        QCOMPARE(seen.text, QStringLiteral("The audio resolution must be 16 bits"));
        QCOMPARE(dialog.fileBox()->text(), QStringLiteral("ten.wav"));

        dialog.beginSecondsBox()->setText("05");
        dialog.endSecondsBox()->setText("5");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(QToolTip::text().contains("T2 be bigger than T2"));

        dialog.beginSecondsBox()->setText("0");
        dialog.endSecondsBox()->setText("20");
        dialog.skipSecondsBox()->setText("3");
        dialog.fadeInBox()->setText("9000");
        dialog.bassFrequencyBox()->setText("20");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.object().end, 7000u);
        QCOMPARE(dialog.object().skip, 3000u);
        QCOMPARE(dialog.object().beginState.fadeRate, int16_t(5000));
        QCOMPARE(dialog.object().bassFrequency, uint8_t(40));
    }

    void auditionPlaysUntilStopped() {
        AudioDlg dialog(AudioObject(), folder(), settings);
        dialog.skipSecondsBox()->setText("12");
        dialog.Play();
        QVERIFY(QToolTip::text().contains("The skip value must be less than the duration"));
        QVERIFY(!dialog.busy());

        dialog.skipSecondsBox()->setText("1");
        dialog.Play();
        QVERIFY(QTest::qWaitFor([&] { return dialog.busy(); }, 3000));
        QVERIFY(!dialog.playButton()->isEnabled());
        QVERIFY(dialog.stopButton()->isEnabled());
        QVERIFY(dialog.signalView().largest(0) > 0);
        QCOMPARE(dialog.timeLabel()->text(), QStringLiteral("0:01"));
        QVERIFY(dialog.dac().StatusText().startsWith("Output: 44100 Hz, 2 CH, 16 bits"));
        dialog.reject();  // refused while playing
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.busy());
        dialog.Stop();
        QVERIFY(QTest::qWaitFor([&] { return !dialog.busy(); }, 3000));
        QVERIFY(dialog.playButton()->isEnabled());
        QVERIFY(!dialog.stopButton()->isEnabled());
        QCOMPARE(dialog.timeLabel()->text(), QString());
        QCOMPARE(dialog.dac().StatusText(), QStringLiteral("Output: OFF"));
    }

    void recorderRecordsSilenceWhenMuted() {
        TempDir work;
        RecordAudioDlg dialog(work.path().string(), settings);
        BoxSeen seen;
        CloseNextBox(&seen);
        dialog.Record();
        QCOMPARE(seen.text, QStringLiteral("Click the Add button to a new audio file"));

        NameDlg ask;
        QCOMPARE(ask.windowTitle(), QStringLiteral("New Audio File"));
        ask.nameBox()->setText("my take");
        ask.accept();
        QCOMPARE(ask.result(), int(QDialog::Rejected));
        QVERIFY(QToolTip::text().contains("Valid characters are from"));

        std::string added;
        QVERIFY(!dialog.recorder().Add("Take1", added).failed());
        dialog.RefillFiles("TAKE1.WAV");
        QCOMPARE(dialog.fileList()->currentItem()->text(), QStringLiteral("Take1.wav"));
        QCOMPARE(dialog.durationLabel()->text(), QString());  // no samples yet
        dialog.muteBox()->setChecked(true);
        dialog.monauralBox()->setChecked(true);
        dialog.Record();
        QVERIFY(dialog.busy());
        QVERIFY(!dialog.recordButton()->isEnabled());
        QVERIFY(!dialog.fileList()->isEnabled());
        QVERIFY(dialog.stopButton()->isEnabled());
        const std::string path = work / "Take1.wav";
        QVERIFY(QTest::qWaitFor([&] { return std::filesystem::file_size(path) > 44; }, 3000));
        dialog.Stop();
        QVERIFY(QTest::qWaitFor([&] { return !dialog.busy(); }, 3000));
        QVERIFY(dialog.recordButton()->isEnabled());
        QVERIFY(!dialog.stopButton()->isEnabled());
        QCOMPARE(dialog.durationLabel()->text(), QStringLiteral("0:00"));
        uint16_t channels = 0;
        const std::vector<int16_t> samples = ReadWaveSamples(path, &channels);
        QCOMPARE(channels, uint16_t(1));
        QVERIFY(!samples.empty());
        QCOMPARE(std::count(samples.begin(), samples.end(), 0), long(samples.size()));
        QVERIFY(settings.muteRecorder && settings.monaural);
    }

    void appendChecksFormatsThenJoinsOnAWorker() {
        TempDir work;
        WriteWave(work / "a.wav", Constant(100, 1, 1), 1);
        WriteWave(work / "b.wav", Constant(50, 1, 2), 1);
        Sys::WriteWholeFile(work / "22k.wav",
                            WaveBytes({.channels = 1, .rate = 22050}, std::string(40, '\1')));
        AppendAudioDlg dialog;
        QCOMPARE(dialog.list()->headerItem()->text(0), QStringLiteral("Input File"));
        dialog.AddFile(work / "22k.wav");
        dialog.Combine(work / "out.wav");  // one file: nothing happens
        dialog.AddFile(work / "a.wav");
        BoxSeen seen;
        CloseNextBox(&seen);
        dialog.Combine(work / "out.wav");
        QCOMPARE(seen.caption, QStringLiteral("Append Audio"));
        QCOMPARE(seen.text,
                 QStringLiteral("All the files must have the same number of samples per second"));
        QVERIFY(!Sys::FileExists(work / "out.wav"));

        dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
        dialog.Remove();
        dialog.AddFile(work / "b.wav");
        dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
        dialog.Move(-1);
        QCOMPARE(dialog.Files(), (std::vector<std::string>{work / "b.wav", work / "a.wav"}));
        dialog.Combine(work / "out.wav");
        QVERIFY(dialog.busy());
        QVERIFY(dialog.workingLabel()->isVisibleTo(&dialog));
        QVERIFY(QTest::qWaitFor([&] { return dialog.result() == QDialog::Accepted; }, 5000));
        const std::vector<int16_t> out = ReadWaveSamples(work / "out.wav");
        QCOMPARE(out.size(), size_t(150));
        QCOMPARE(out.front(), int16_t(2));
    }

    void normalizeAndMixRefuseThenRun() {
        TempDir work;
        NormVolDlg normalize;
        BoxSeen seen;
        CloseNextBox(&seen);
        normalize.Normalize();
        QCOMPARE(seen.caption, QStringLiteral("Normalize Volume"));
        QCOMPARE(seen.text, QStringLiteral("Provide an audio file"));
        WriteWave(work / "talk.wav", Sine(3 * 44100, 1, 2000, 200), 1);
        normalize.SetInput(work / "talk.wav");
        QCOMPARE(normalize.durationLabel()->text(), QStringLiteral("Duration: 0:03"));
        normalize.Normalize();
        QCOMPARE(normalize.windowTitle(), QStringLiteral("Working . . ."));
        QVERIFY(!normalize.inputBox()->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return normalize.result() == QDialog::Accepted; }, 5000));
        QVERIFY(Sys::FileExists(work / "talk_norm.wav"));

        MixBalanceDlg mix(settings);
        QCOMPARE(mix.windowTitle(), QStringLiteral("Mix Audio Files"));
        QCOMPARE(mix.balanceSlider()->value(), 50);
        mix.inputBox(1)->setText(QString::fromStdString(work / "talk.wav"));
        CloseNextBox(&seen);
        mix.Start();
        QCOMPARE(seen.caption, QStringLiteral("Invalid Input"));
        QCOMPARE(seen.text, QStringLiteral("Please provide a valid input file"));
        mix.inputBox(2)->setText(QString::fromStdString(work / "talk_norm.wav"));
        mix.outputBox()->setText(QString::fromStdString(work / "mixed.wav"));
        mix.balanceSlider()->setValue(70);
        mix.loopBox()->setChecked(true);
        mix.Start();
        QVERIFY(mix.busy());
        QVERIFY(QTest::qWaitFor([&] { return mix.result() == QDialog::Accepted; }, 5000));
        QVERIFY(Sys::FileExists(work / "mixed.wav"));
        QCOMPARE(settings.mixBalance, 70);
        QVERIFY(settings.mixLoop);
    }

    void boostBassAndCutDialogs() {
        BoostBassDlg boost(90, 8);
        QCOMPARE(boost.windowTitle(), QStringLiteral("Boost Bass"));
        QCOMPARE(boost.frequencySlider()->minimum(), 30);
        QCOMPARE(boost.frequencySlider()->maximum(), 150);
        QCOMPARE(boost.gainSlider()->minimum(), 1);
        QCOMPARE(boost.gainSlider()->maximum(), 20);
        QCOMPARE(boost.frequency(), 90);
        QCOMPARE(boost.gainDb(), 8);

        AudioEditDlg cut(settings);
        cut.SetInput(dir / "ten.wav");
        QCOMPARE(cut.durationLabel()->text(), QStringLiteral("Duration 0:10"));
        cut.timeBox(false, true)->setText("1");
        cut.timeBox(true, true)->setText("2.5");
        cut.Play();
        QVERIFY(QTest::qWaitFor([&] { return cut.busy(); }, 3000));
        QVERIFY(cut.positionLabel()->text().endsWith(" seconds"));
        cut.Stop();
        QVERIFY(QTest::qWaitFor([&] { return !cut.busy(); }, 3000));
        cut.Output();
        QCOMPARE(cut.result(), int(QDialog::Accepted));
        QVERIFY(!ReadWaveSamples(dir / "ten_cut.wav").empty());
    }
};

REELWORK_QTEST_MAIN(AudioDialogsTest)
#include "AudioDialogsTest.moc"
