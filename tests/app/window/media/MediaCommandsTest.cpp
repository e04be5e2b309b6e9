#include <cmath>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMimeDatabase>
#include <QProcess>
#include <QSettings>

#include "app/WhenShown.h"
#include "app/WindowFixture.h"
#include "app/player/PlayerCtrl.h"
#include "app/video/CombineDlg.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Win/Notice.h"
#include "video/ScreenGrabber.h"
#include "video/VideoImport.h"

namespace {

// Runs ffmpeg quietly, replacing its output; true when it succeeded.
bool Ffmpeg(const QStringList& args) {
    return QProcess::execute(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} + args) ==
           0;
}

// A movie of one colour, made by the encoder; with a silent sound track when asked, which a
// machine without a sound device plays all the same.
bool MakeMovie(const std::string& path, const char* colour, double seconds, bool sound = false) {
    QStringList args = {"-f", "lavfi", "-i",
                        QStringLiteral("color=c=%1:s=160x90:r=25:d=%2").arg(colour).arg(seconds)};
    if (sound) args += {"-f", "lavfi", "-i", "anullsrc=r=44100:cl=stereo", "-shortest"};
    return Ffmpeg(args + QStringList{"-pix_fmt", "yuv420p", QString::fromStdString(path)}) &&
           Sys::FileExists(path);
}

// Two seconds of a tone in any format the encoder writes, chosen by the extension.
bool MakeSound(const std::string& path) {
    return Ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=2",
                   QString::fromStdString(path)}) &&
           Sys::FileExists(path);
}

bool StartsWith(const std::string& path, const std::string& head) {
    std::string bytes;
    return Sys::ReadWholeFile(path, bytes) && bytes.compare(0, head.size(), head) == 0;
}

// The colour in the middle of what the player shows, as 0xRRGGBB.
QRgb Middle(const PlayerCtrl& player) {
    const QImage& frame = player.frame();
    if (frame.isNull()) return 0xFFFFFFFF;
    return frame.pixel(frame.width() / 2, frame.height() / 2) & 0xFFFFFF;
}

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 12 && std::abs(qGreen(a) - qGreen(b)) < 12 &&
           std::abs(qBlue(a) - qBlue(b)) < 12;
}

// Counts the playback notices that reach it.
class NoticeCounter : public QObject {
public:
    int count = 0;
    bool event(QEvent* event) override {
        if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
            if (notice->Is(Reelwork::kPlaybackEndNotice)) ++count;
            return true;
        }
        return QObject::event(event);
    }
};

}  // namespace

class MediaCommandsTest : public WindowFixture {
    Q_OBJECT

    PlayerCtrl& player() { return *window->findChild<PlayerCtrl*>(); }
    std::string Movie() { return doc().folder() + "/movie.mp4"; }
    void Play() {
        window->RefreshCommands();  // movie.mp4 is seen
        window->RunCommand(CommandId::PlayMovie);
    }

private slots:
    // The file types are read once, when first needed: the staged ones must be seen then.
    void initTestCase() {
        qputenv("XDG_DATA_DIRS", QByteArray(REELWORK_SHARE_DIR) + ":/usr/share");
    }
    void init() {
        Start();
        NewProject("Trip");
    }
    void cleanup() { Finish(); }

    void MovieEndReturnsTheWindowToEditing() {
        QVERIFY(MakeMovie(Movie(), "0x2040C0", 0.6, true));
        Play();
        QCOMPARE(window->mode(), int(Reelwork::kPlaying));
        QCOMPARE(window->currentPage(), static_cast<QWidget*>(&player()));
        QVERIFY(!window->action(CommandId::PlayMovie)->isEnabled());
        QVERIFY(window->action(CommandId::Stop)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(Near(Middle(player()), 0x2040C0), 10000);
        QVERIFY(player().HasVideo());
        QTRY_COMPARE_WITH_TIMEOUT(window->mode(), int(Reelwork::kEditing), 10000);
        QCOMPARE(window->currentPage(), static_cast<QWidget*>(&window->view()));
        QVERIFY(window->action(CommandId::PlayMovie)->isEnabled());
        QVERIFY(!player().HasVideo());
    }

    // Escape ends the playback, and so does Stop, through the end notice.
    void ThePlayerPausesSeeksAndStopsOnEscapeOrStop() {
        QVERIFY(MakeMovie(Movie(), "0x10C020", 20));
        Play();
        QTRY_VERIFY_WITH_TIMEOUT(player().HasVideo() && player().duration() > 19, 10000);
        auto* time = player().findChild<QLabel*>(QStringLiteral("playerTime"));
        QVERIFY(time->text().endsWith(QStringLiteral(" / 0:20.0")));
        QTest::keyClick(&player(), Qt::Key_Space);
        QVERIFY(player().paused());
        player().SeekTo(12.0);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(player().position() - 12.0) < 0.5, 5000);
        QVERIFY(time->text().startsWith(QStringLiteral("0:1")));
        QTest::keyClick(&player(), Qt::Key_Space);
        QVERIFY(!player().paused());
        QTest::keyClick(&player(), Qt::Key_Escape);
        QTRY_COMPARE_WITH_TIMEOUT(window->mode(), int(Reelwork::kEditing), 5000);
        Play();
        QTRY_VERIFY_WITH_TIMEOUT(player().HasVideo(), 10000);
        window->RunCommand(CommandId::Stop);
        QCOMPARE(window->mode(), int(Reelwork::kPlaying));  // until the notice arrives
        QTRY_COMPARE_WITH_TIMEOUT(window->mode(), int(Reelwork::kEditing), 5000);
    }

    void UnplayableFileGivesPlaybackError() {
        QVERIFY(Sys::WriteWholeFile(Movie(), std::string(4096, 'x')));
        QString shown;
        AnswerNextMessageBox(QMessageBox::Ok, &shown);
        Play();
        QTRY_COMPARE_WITH_TIMEOUT(shown, QStringLiteral("Playback error"), 10000);
        QCOMPARE(window->mode(), int(Reelwork::kPlaying));
        window->RunCommand(CommandId::Stop);
        QTRY_COMPARE(window->mode(), int(Reelwork::kEditing));
    }

    // The output beside the input is replaced; the dialogs carry their titles.
    void SoundConversionsWriteBesideTheInput() {
        const std::string mp3 = Path("tone.mp3");
        const std::string wav = Path("tone.wav");
        QVERIFY(MakeSound(mp3));
        QVERIFY(Sys::WriteWholeFile(wav, "stale"));
        QString title;
        ChooseInNextFileDialog(QString::fromStdString(mp3), &title);
        window->RunCommand(CommandId::Mp3ToWave);
        QCOMPARE(title, QStringLiteral("Input MP3 file"));
        QVERIFY(StartsWith(wav, "RIFF"));

        QVERIFY(Sys::DeleteFile(mp3));
        ChooseInNextFileDialog(QString::fromStdString(wav), &title);
        window->RunCommand(CommandId::WaveToMp3);
        QCOMPARE(title, QStringLiteral("Input Wave file"));
        QVERIFY(Sys::FileExists(mp3));
        QVERIFY(!StartsWith(mp3, "RIFF"));

        ChooseInNextFileDialog(QString(), &title);
        window->RunCommand(CommandId::Mp4ToWave);
        QCOMPARE(title, QStringLiteral("Input MP4file"));
    }

    // The staged desktop files name the program, its icon and the project file type.
    void DesktopEntryClaimsProjectFiles() {
        const QString share = QStringLiteral(REELWORK_SHARE_DIR);
        const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("/nowhere/Trip.rwk"),
                                                               QMimeDatabase::MatchExtension);
        QCOMPARE(type.name(), QStringLiteral("application/x-reelwork"));
        QSettings entry(share + "/applications/org.reelwork.Reelwork.desktop",
                        QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value("Exec").toString(), QStringLiteral("reelwork %f"));
        QCOMPARE(entry.value("Icon").toString(), QStringLiteral("reelwork"));
        QVERIFY(entry.value("MimeType").toString().contains(type.name()));
        QVERIFY(QFile::exists(share + "/icons/hicolor/scalable/apps/reelwork.svg"));
    }

    // A video becomes a frame folder named after it, with an entry per picture; importing it
    // again asks first.
    void ImportVideoMakesAFrameFolder() {
        const std::string video = Path("My Clip (2).mp4");
        QVERIFY(MakeMovie(video, "0x808080", 0.4));
        QString title;
        ChooseInNextFileDialog(QString::fromStdString(video), &title);
        window->RunCommand(CommandId::ImportVideo);
        QCOMPARE(title, QStringLiteral("ImportVideo"));
        const std::string folder = doc().folder() + "/My_Clip__2_";
        const size_t pictures = Sys::ListFilesWithExtension(folder, ".jpg").size();
        QCOMPARE(pictures, size_t(10));
        std::string table;
        QVERIFY(Sys::ReadWholeFile(folder + "/video.bin", table));
        QCOMPARE(table.size(), 4 * pictures);
        QCOMPARE(Sys::ReadVideoLength(doc().folder(), "My_Clip__2_"), 360u);

        QVERIFY(Sys::DeleteFile(folder + "/00000001.jpg"));
        QString question;
        ChooseInNextFileDialog(QString::fromStdString(video));
        QTimer::singleShot(200, [&] { AnswerNextMessageBox(QMessageBox::No, &question); });
        window->RunCommand(CommandId::ImportVideo);
        QCOMPARE(question, QString::fromLatin1(VideoImport::kAskAgain));
        QVERIFY(!Sys::FileExists(folder + "/00000001.jpg"));  // nothing changed
    }

    // A JPG series and a sound become one movie; the settings are kept for the next time.
    void CombineJoinsPicturesAndSound() {
        const QString pictures = dir->filePath("pics");
        QDir().mkpath(pictures);
        QVERIFY(Ffmpeg(
            {"-f", "lavfi", "-i", "color=c=red:s=64x36:r=10:d=1", pictures + "/img%03d.jpg"}));
        const std::string sound = Path("voice.wav");
        const std::string output = Path("joined.mp4");
        QVERIFY(MakeSound(sound));
        WhenShown<CombineDlg>([&](CombineDlg& dialog) {
            dialog.SetJpgMode(true);
            dialog.fpsList()->setCurrentIndex(dialog.fpsList()->findData(10));
            ChooseInNextFileDialog(QString::fromStdString(sound));
            dialog.ChooseAudio();
            ChooseInNextFileDialog(pictures + "/img001.jpg");
            dialog.ChooseVideo();
            QCOMPARE(dialog.durationText(), QStringLiteral("1.0"));
            ChooseInNextFileDialog(QString::fromStdString(output));
            dialog.ChooseOutput();
            dialog.Combine();
        });
        window->RunCommand(CommandId::CombineAudioVideo);
        QVERIFY(Sys::FileExists(output));
        bool kept = false;
        WhenShown<CombineDlg>([&](CombineDlg& dialog) {
            kept = dialog.settings().outputPath == output && dialog.settings().fps == 10;
            dialog.reject();
        });
        window->RunCommand(CommandId::CombineAudioVideo);
        QVERIFY(kept);
    }

    void RecordingWithoutAnX11DisplaySaysSo() {
        const QByteArray display = qgetenv("DISPLAY");
        qputenv("DISPLAY", ":4321");
        QString text;
        AnswerNextMessageBox(QMessageBox::Ok, &text);
        window->RunCommand(CommandId::RecordFromScreen);
        QCOMPARE(text, QString::fromLatin1(ScreenGrabber::kNoDisplay));
        QCOMPARE(window->mode(), int(Reelwork::kEditing));
        qputenv("DISPLAY", display);
    }

    // The second file replaces the first: its picture shows and only its end is reported.
    void SecondPlayReplacesTheFirstPlayer() {
        const std::string first = Path("first.mp4");
        const std::string second = Path("second.mp4");
        QVERIFY(MakeMovie(first, "0xC02010", 20));
        QVERIFY(MakeMovie(second, "0x10D030", 0.4));
        NoticeCounter counter;
        PlayerCtrl control;
        control.SetNoticeReceiver(&counter);
        control.resize(200, 120);
        control.show();
        control.Play(first);
        QTRY_VERIFY_WITH_TIMEOUT(Near(Middle(control), 0xC02010), 10000);
        control.Play(second);
        QTRY_VERIFY_WITH_TIMEOUT(Near(Middle(control), 0x10D030), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(counter.count, 1, 10000);
        QTest::qWait(300);
        QCOMPARE(counter.count, 1);
    }
};

REELWORK_QTEST_MAIN(MediaCommandsTest)
#include "MediaCommandsTest.moc"
