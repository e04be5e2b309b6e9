#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "ColourWindow.h"
#include "app/WhenShown.h"
#include "app/timeline/DocumentView.h"
#include "app/video/GetReadyDlg.h"
#include "app/video/ScreenCaptureDlg.h"
#include "app/video/TestAreaDlg.h"
#include "app/window/Reelwork.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameTimeTable.h"
#include "render/FrameComposer.h"
#include "render/PrepareObject.h"
#include "support/FakePrompt.h"
#include "support/QtTest.h"
#include "support/XvfbServer.h"

namespace {

void SelectTitle(QListWidget* list, const QString& title) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() == title) list->setCurrentRow(i);
    }
}

}  // namespace

// The whole recording as a user makes it, on a virtual screen: a window of one colour is
// chosen, a folder added, the test picture looked at, the countdown waited for; the window
// restored after two seconds ends the recording, which has become a frame folder.
class RecordingTest : public QObject {
    Q_OBJECT

    // A video object of the recording fills the middle of the movie's frame half a second in.
    static void MovieShowsTheRecording(Document& doc) {
        MovieObject video;
        video.type = MovieObjectType::Video;
        video.fileName = u"New screen recording";
        video.end = 1500;
        video.beginState.x = video.endState.x = 800 * 10000;
        video.beginState.y = video.endState.y = 450 * 10000;
        doc.objects = {video};
        const MovieProperties& p = doc.properties;
        std::vector<PreparedObject> prepared(1);
        QVERIFY(PrepareObject(video, prepared[0], doc.folder(), p.width, p.height).ok());
        CG::DIBitmap frame;
        CG::ImageRGBA picture;
        QVERIFY(frame.Create(24, 0, p.width, p.height, false));
        const FrameScene scene{doc.objects, prepared, p, doc.folder()};
        QVERIFY(ComposeFrame(scene, p.fps / 2, frame, picture).ok());
        const uint8_t* middle =
            frame.pixels() + size_t(p.height / 2) * frame.stride() + p.width / 2 * 3;
        QVERIFY(std::abs(middle[2] - 0xC0) < 8 && std::abs(middle[0] - 0x10) < 8);
    }

    QTemporaryDir dir;
    FakePrompt prompt;
    std::unique_ptr<ColourWindow> source;

private slots:
    void initTestCase() {
        source = std::make_unique<ColourWindow>("Recorded window", 1100, 600, 400, 300, 0xC02010);
        QVERIFY(source->shown());
    }
    void cleanupTestCase() { source.reset(); }

    void RecordingBecomesAFrameFolder() {
        Reelwork window;
        window.move(0, 0);
        window.show();
        Document& doc = window.view().document();
        QVERIFY(doc.New(dir.filePath("Trip").toStdString(), prompt));
        window.RefreshCommands();

        QImage tested;
        bool countdownSeen = false;
        WhenShown<ScreenCaptureDlg>([&](ScreenCaptureDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Screen recording"));
            QCOMPARE(dialog.sizeList()->currentText(), QStringLiteral("1280x720"));
            SelectTitle(dialog.inputList(), QStringLiteral("Recorded window"));
            dialog.sizeList()->setCurrentIndex(dialog.sizeList()->findData(180));
            dialog.findChildren<QLineEdit*>()[0]->setText(QStringLiteral("10"));
            dialog.findChildren<QLineEdit*>()[1]->setText(QStringLiteral("20"));
            // No folder yet: Record says how to make one.
            QString text;
            AnswerNextMessageBox(QMessageBox::Ok, &text);
            dialog.Record();
            QCOMPARE(text, QStringLiteral(
                               "Click the 'Add button' to create a new folder for the recording"));
            WhenShown<QInputDialog>([](QInputDialog& name) {
                QCOMPARE(name.textValue(), QStringLiteral("New screen recording"));
                name.accept();
            });
            dialog.AddFolder();
            QCOMPARE(dialog.outputList()->currentItem()->text(),
                     QStringLiteral("New screen recording"));
            QCOMPARE(dialog.lengthLabel()->text(), QStringLiteral("0:00"));
            WhenShown<TestAreaDlg>([&](TestAreaDlg& area) {
                tested = area.picture();
                area.accept();
            });
            dialog.TestCaptureArea();
            WhenShown<GetReadyDlg>([&](GetReadyDlg&) { countdownSeen = true; });
            AnswerNextMessageBox(QMessageBox::Yes, &text);
            dialog.Record();
            QCOMPARE(text,
                     QStringLiteral("There is a folder with this name. Do you want to continue?"));
        });
        window.RunCommand(CommandId::RecordFromScreen);
        QVERIFY(countdownSeen);
        QCOMPARE(tested.size(), QSize(320, 180));
        QCOMPARE(tested.pixel(100, 100) & 0xFFFFFF, 0xC02010u);

        QCOMPARE(window.mode(), int(Reelwork::kRecording));
        QCOMPARE(window.windowTitle(), QStringLiteral("Recording . . ."));
        QVERIFY(window.action(CommandId::Stop)->isEnabled());
        QTest::qWait(2000);
        window.showNormal();  // brought back from the taskbar
        QTRY_COMPARE(window.mode(), int(Reelwork::kEditing));
        QCOMPARE(window.windowTitle(), QStringLiteral("Trip"));

        const std::string folder = doc.folder() + "/New screen recording";
        const size_t pictures = Sys::ListFilesWithExtension(folder, ".jpg").size();
        QVERIFY2(pictures >= 25 && pictures <= 41, std::to_string(pictures).c_str());
        Sys::FrameTimeTable table;
        QVERIFY(table.Load(doc.folder(), "New screen recording"));
        QCOMPARE(table.count(), pictures);
        QVERIFY(table.entries().back() >= 1500);
        std::string first;
        QVERIFY(Sys::ReadWholeFile(folder + "/00000000.jpg", first));
        const QImage picture = QImage::fromData(QByteArray::fromStdString(first), "JPG");
        QCOMPARE(picture.size(), QSize(320, 180));
        const QRgb middle = picture.pixel(160, 90);
        QVERIFY(std::abs(qRed(middle) - 0xC0) < 8 && std::abs(qBlue(middle) - 0x10) < 8);
        QTest::qWait(200);  // no picture after the end
        QCOMPARE(Sys::ListFilesWithExtension(folder, ".jpg").size(), pictures);
        MovieShowsTheRecording(doc);
        doc.CloseProject();
    }
};

// The virtual screen must exist before the application connects to a display.
int main(int argc, char** argv) {
    XvfbServer server(1920, 1080);
    if (!server.running()) return 1;
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication application(argc, argv);
    RecordingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecordingTest.moc"
