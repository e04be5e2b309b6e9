#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/video/CombineDlg.h"
#include "app/video/GetReadyDlg.h"
#include "app/video/TestAreaDlg.h"
#include "app/video/WorkingDlg.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/Metrics.h"
#include "support/QtTest.h"
#include "video/EncoderRun.h"

namespace {

QLabel* LabelNamed(QWidget* parent, const QString& text) {
    for (QLabel* label : parent->findChildren<QLabel*>()) {
        if (label->text() == text) return label;
    }
    return nullptr;
}

QPushButton* ButtonAt(QWidget* parent, double topCm) {
    for (QPushButton* button : parent->findChildren<QPushButton*>()) {
        if (button->y() == Win::CmToPixels(topCm) && button->x() == Win::CmToPixels(1.926)) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace

class VideoDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The dialog ends by itself once the program has ended, and cannot be closed before.
    void WorkingDialogWaitsForTheProgram() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        WorkingDlg working([folder](Mt::Task& task) {
            EncoderRun run;
            return run.Run("\"/bin/sh\" -c \"sleep 0.3; echo done > out.txt\"", folder, task);
        });
        QCOMPARE(working.windowTitle(), QStringLiteral("Please wait!"));
        QCOMPARE(working.size(), QSize(Win::CmToPixels(7.40833), Win::CmToPixels(1.88383)));
        QCOMPARE(working.findChild<QLabel*>()->text(), QStringLiteral("Working . . ."));
        QVERIFY(!(working.windowFlags() & Qt::WindowCloseButtonHint));
        QTimer::singleShot(50, &working, [&] {
            working.close();
            working.reject();
            QVERIFY(working.isVisible());
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(working.exec(), int(QDialog::Accepted));
        QVERIFY(clock.elapsed() >= 250);
        QVERIFY(working.result().ok());
        std::string out;
        QVERIFY(Sys::ReadWholeFile(dir.filePath("out.txt").toStdString(), out));
        QCOMPARE(out, std::string("done\n"));
    }

    void WorkingDialogReportsAProgramThatCannotStart() {
        WorkingDlg working([](Mt::Task& task) {
            EncoderRun run;
            return run.Run("\"/no/such/ffmpeg\" -i \"a.mp3\" \"a.wav\"", "/", task);
        });
        QCOMPARE(working.exec(), int(QDialog::Accepted));
        QCOMPARE(working.result().message(),
                 std::string("Error: \"/no/such/ffmpeg\" -i \"a.mp3\" \"a.wav\""));
    }

    void CountdownRunsFiveSecondsThenEnds() {
        GetReadyDlg ready;
        QCOMPARE(ready.windowTitle(), QStringLiteral("Screen Recording"));
        QCOMPARE(ready.countdownText(), QStringLiteral("Recording in . . ."));
        QCOMPARE(ready.size(), QSize(Win::CmToPixels(10.6045), Win::CmToPixels(3.429)));
        QStringList seen;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (seen.isEmpty() || seen.back() != ready.countdownText()) {
                seen << ready.countdownText();
            }
        });
        watch.start(20);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ready.exec(), int(QDialog::Accepted));
        QVERIFY(clock.elapsed() >= 4900);
        QVERIFY(clock.elapsed() < 7000);
        const QStringList expected = {"Recording in . . .", "Recording in 5 sec",
                                      "Recording in 4 sec", "Recording in 3 sec",
                                      "Recording in 2 sec"};
        QCOMPARE(seen.mid(0, 5), expected);
        QCOMPARE(ready.countdownText(), QStringLiteral("Recording in 1 sec"));
    }

    void TestAreaShowsThePictureStretched() {
        CG::DIBitmap picture;
        QVERIFY(picture.Create(24, 0, 16, 9, true));
        QVERIFY(picture.Fill(200, 40, 10));
        picture.Row(0)[0] = 255;  // top left pixel blue
        TestAreaDlg area(picture);
        QCOMPARE(area.windowTitle(), QStringLiteral("Recording Area"));
        QCOMPARE(area.size(), QSize(Win::CmToPixels(17.77777), Win::CmToPixels(10)));
        QCOMPARE(area.picture().size(), QSize(16, 9));
        QCOMPARE(area.picture().pixel(0, 0) & 0xFFFFFF, 0xC828FFu);
        QCOMPARE(area.picture().pixel(5, 5) & 0xFFFFFF, 0xC8280Au);
        const QImage shown = area.grab().toImage();
        const QRgb middle = shown.pixel(shown.width() / 2, shown.height() / 2);
        QCOMPARE(qRed(middle), 200);
        QCOMPARE(qGreen(middle), 40);
    }

    // The mode decides the caption, the label and which controls show; switching clears the
    // sound and the video but keeps the output.
    void CombineModesSwitchTheirControls() {
        CombineJob::Settings kept;
        kept.audioPath = "/a/music.mp3";
        kept.videoPath = "/a/clip.mp4";
        kept.outputPath = "/a/out.mp4";
        kept.quality = 80;
        kept.fps = 24;
        CombineDlg dialog(kept);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Combine video and audio"));
        QVERIFY(!dialog.jpgMode());
        QCOMPARE(dialog.qualityList()->count(), 20);
        QCOMPARE(dialog.qualityList()->currentText(), QStringLiteral("80"));
        QCOMPARE(dialog.fpsList()->count(), 56);
        QCOMPARE(dialog.fpsList()->currentText(), QStringLiteral("24"));
        QCOMPARE(ButtonAt(&dialog, 0.148)->text(), QStringLiteral("/a/music.mp3"));
        QCOMPARE(ButtonAt(&dialog, 0.910)->text(), QStringLiteral("/a/clip.mp4"));
        QVERIFY(LabelNamed(&dialog, "Video"));
        QVERIFY(!dialog.fpsList()->isVisible());
        QVERIFY(!LabelNamed(&dialog, "Duration")->isVisible());

        dialog.SetJpgMode(true);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("JPG to MP4"));
        QVERIFY(LabelNamed(&dialog, "Image"));
        QVERIFY(dialog.fpsList()->isVisible());
        QVERIFY(LabelNamed(&dialog, "seconds")->isVisible());
        QVERIFY(LabelNamed(&dialog, "img000001.jpg\r\nimg000002.jpg\r\nimg000003.jpg\r\n. . .")
                    ->isVisible());
        QVERIFY(ButtonAt(&dialog, 0.148)->text().isEmpty());
        QVERIFY(ButtonAt(&dialog, 0.910)->text().isEmpty());
        QCOMPARE(dialog.settings().outputPath, std::string("/a/out.mp4"));
        QVERIFY(dialog.settings().audioPath.empty());
    }

    // shot_0001.jpg to shot_0150.jpg at 30 pictures a second last 5.0 seconds.
    void CombineDurationCountsTheSeries() {
        QTemporaryDir dir;
        for (int i = 1; i <= 150; ++i) {
            QVERIFY(Sys::WriteWholeFile(
                dir.filePath(QString::asprintf("shot_%04d.jpg", i)).toStdString(), "x"));
        }
        CombineDlg dialog({});
        dialog.SetJpgMode(true);
        dialog.fpsList()->setCurrentIndex(dialog.fpsList()->findData(30));
        ChooseInNextFileDialog(dir.filePath("shot_0001.jpg"));
        ButtonAt(&dialog, 0.910)->click();
        QCOMPARE(dialog.durationText(), QStringLiteral("5.0"));
        dialog.fpsList()->setCurrentIndex(dialog.fpsList()->findData(60));
        QCOMPARE(dialog.durationText(), QStringLiteral("2.5"));
    }

    void CombineRefusesMissingPaths() {
        CombineDlg dialog({});
        QString text;
        AnswerNextMessageBox(QMessageBox::Ok, &text);
        dialog.Combine();
        QCOMPARE(text, QStringLiteral("Please provide an audio file"));
        CombineJob::Settings some;
        some.audioPath = "/a/music.mp3";
        some.videoPath = "/a/clip.mp4";
        CombineDlg second(some);
        AnswerNextMessageBox(QMessageBox::Ok, &text);
        second.Combine();
        QCOMPARE(text, QStringLiteral("Please provide a video file"));
        QVERIFY(second.result() != QDialog::Accepted);
    }

    // The MP4 mode copies the streams; the command line and the folder are ready on OK.
    void CombineBuildsTheCommandLine() {
        CombineJob::Settings some;
        some.audioPath = "/a/music.mp3";
        some.videoPath = "/a/clip.mp4";
        some.outputPath = "/tmp/reelwork-combine-test-out.mp4";
        some.quality = 100;
        CombineDlg dialog(some);
        dialog.Combine();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.commandLine().find("-map 0:v -map 1:a -c copy -y -crf 1 -shortest") !=
                std::string::npos);
        QVERIFY(!dialog.folder().empty());
    }
};

REELWORK_QTEST_MAIN(VideoDialogsTest)
#include "VideoDialogsTest.moc"
