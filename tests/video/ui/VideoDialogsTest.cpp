#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/Metrics.h"
#include "support/QtTest.h"
#include "video/ui/GetReadyDlg.h"
#include "video/ui/TestAreaDlg.h"
#include "video/ui/WorkingDlg.h"

class VideoDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The dialog ends by itself once the program has ended, and cannot be closed before.
    void WorkingDialogWaitsForTheProgram() {
        QTemporaryDir dir;
        WorkingDlg working("\"/bin/sh\" -c \"sleep 0.3; echo done > out.txt\"",
                           dir.path().toStdString());
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
        QVERIFY(working.result().empty());
        std::string out;
        QVERIFY(Sys::ReadWholeFile(dir.filePath("out.txt").toStdString(), out));
        QCOMPARE(out, std::string("done\n"));
    }

    void WorkingDialogReportsAProgramThatCannotStart() {
        WorkingDlg working("\"/no/such/ffmpeg\" -i \"a.mp3\" \"a.wav\"", "/");
        QCOMPARE(working.exec(), int(QDialog::Accepted));
        QCOMPARE(working.result(), std::string("Error: \"/no/such/ffmpeg\" -i \"a.mp3\" \"a.wav\""));
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
};

REELWORK_QTEST_MAIN(VideoDialogsTest)
#include "VideoDialogsTest.moc"
