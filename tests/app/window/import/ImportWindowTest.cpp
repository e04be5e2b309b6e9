#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include "app/WindowFixture.h"
#include "app/editor/FilenameDlg.h"
#include "app/window/MissingFilesDlg.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PngWriter.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"

namespace {

bool WritePicture(const std::string& path) {
    CG::ImageRGBA image;
    if (!image.Create(32, 18)) return false;
    for (uint32_t y = 0; y < 18; ++y) std::fill_n(image.Row(y), 32 * 4, 200);
    return CG::PngWriter::Save(image, path).ok();
}

// Sends a drag of the files over the point and, when asked, drops them there.
bool Drag(QWidget* target, const QStringList& files, QPoint at, bool drop) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& f : files) urls << QUrl::fromLocalFile(f);
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted() || !drop) return move.isAccepted();
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

}  // namespace

// The pictures one.png and two.png wait outside the project.
class ImportWindowTest : public WindowFixture {
    Q_OBJECT

    QWidget* timeline() { return window->view().viewport(); }

private slots:
    void init() {
        Start();
        NewProject("Trip");
        QVERIFY(WritePicture(Path("one.png")));
        QVERIFY(WritePicture(Path("two.png")));
    }
    void cleanup() { Finish(); }

    // 200 pixels at 4 pixels per second: 50 s, whatever the scroll position says first.
    void DroppedPicturesBecomeImagesAtTheTimeUnderTheMouse() {
        const QStringList files = {QString::fromStdString(Path("two.png")),
                                   QString::fromStdString(Path("one.png"))};
        QVERIFY(Drag(timeline(), files, QPoint(200, 30), false));
        auto* label = timeline()->findChild<QLabel*>(QStringLiteral("dropLabel"));
        QVERIFY(label && label->isVisible());
        const uint32_t at = uint32_t(200 + window->view().horizontalScrollBar()->value()) * 250;
        QVERIFY(Drag(timeline(), files, QPoint(200, 30), true));
        QVERIFY(!label->isVisible());
        QCOMPARE(doc().objects.size(), size_t(4));
        const MovieObject& first = doc().objects[2];
        const MovieObject& second = doc().objects[3];
        QCOMPARE(first.type, MovieObjectType::Image);
        QCOMPARE(Sys::ToUtf8(first.fileName), std::string("one.png"));
        QCOMPARE(first.begin, at);
        QCOMPARE(first.end, at + 5000);
        QCOMPARE(second.type, MovieObjectType::Image);
        QCOMPARE(Sys::ToUtf8(second.fileName), std::string("two.png"));
        QCOMPARE(second.begin, at + 5000);
        QVERIFY(Sys::FileExists(doc().folder() + "/one.png"));
        QCOMPARE(doc().first(), 2);
        QCOMPARE(doc().last(), 3);
        // One undo point for the whole drop.
        window->RunCommand(CommandId::Undo);
        QCOMPARE(doc().objects.size(), size_t(2));
    }

    // A project file is the window's to open; the timeline does not take it.
    void AProjectFileIsNotImported() {
        QVERIFY(!Drag(timeline(), {QString::fromStdString(doc().file())}, QPoint(100, 20), false));
        QCOMPARE(doc().objects.size(), size_t(2));
    }

    void AddMediaHasItsButtonAndCtrlI() {
        QAction* add = window->action(CommandId::AddMedia);
        QCOMPARE(add->text(), QStringLiteral("Add Media..."));
        QCOMPARE(add->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
        QVERIFY(add->isEnabled());
        window->SetPlayhead(1500);
        ChooseInNextFileDialog(QString::fromStdString(Path("one.png")));
        window->RunCommand(CommandId::AddMedia);
        QCOMPARE(doc().objects.size(), size_t(3));
        QCOMPARE(doc().objects[2].begin, 1500u);  // at the playhead
    }

    // Each missing file has its line and "Locate..."; a located file is imported and leaves
    // the list.
    void MissingFilesAreListedAndLocated() {
        doc().objects[0].fileName = u"lost one.png";
        MissingFilesDlg dialog(doc());
        QCOMPARE(dialog.missing().size(), size_t(1));
        QCOMPARE(dialog.findChildren<QPushButton*>().size(), 2);  // Locate..., Continue
        dialog.SetChooser([&](const MissingFiles::Entry& e) {
            return e.name == "lost one.png" ? Path("one.png") : std::string();
        });
        dialog.Locate(0);
        QVERIFY(dialog.missing().empty());
        QCOMPARE(Sys::ToUtf8(doc().objects[0].fileName), std::string("one.png"));
        QVERIFY(Sys::FileExists(doc().folder() + "/one.png"));
    }

    // "Import..." brings a picture in and chooses it (thumbnails: EditorDialogsTest).
    void TheChooserImportsAPicture() {
        FilenameDlg chooser(MovieObjectType::Image, doc().folder(), "sample.jpg");
        QTRY_VERIFY(!chooser.listing());
        ChooseInNextFileDialog(QString::fromStdString(Path("two.png")));
        chooser.findChild<QPushButton*>(QStringLiteral("import"))->click();
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(chooser.name(), std::string("two.png"));
        QVERIFY(Sys::FileExists(doc().folder() + "/two.png"));
    }
};

REELWORK_QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
