#include <cstring>
#include <filesystem>
#include <fstream>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolTip>

#include "app/editor/ColorButton.h"
#include "app/editor/EditDlg.h"
#include "app/editor/FilenameDlg.h"
#include "app/editor/PreviewCtrl.h"
#include "app/editor/PropertiesDlg.h"
#include "render/DrawPicture.h"
#include "render/PrepareObject.h"
#include "render/PreviewTransform.h"
#include "support/QtTest.h"

namespace {

MovieObject Rectangle() {
    MovieObject o;
    o.type = MovieObjectType::Rectangle;
    o.begin = 2000;
    o.end = 7000;
    o.frontColor = 0x0000FF;  // red
    o.width = 400;
    o.height = 100;
    o.beginState.x = o.endState.x = 800 * 10000;
    o.beginState.y = o.endState.y = 450 * 10000;
    o.endState.sizeX = o.endState.sizeY = 5000;
    return o;
}

// Replaces a box's text the way typing does, so its edit reactions run.
void Type(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Counts the frame's pixels of one colour (0x00RRGGBB).
int PixelsOf(const CG::DIBitmap& frame, uint32_t rgb) {
    int count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        const uint8_t* p = frame.pixels() + size_t(y) * frame.stride();
        for (int x = 0; x < frame.width(); ++x, p += 3) {
            count += (uint32_t(p[2]) << 16 | p[1] << 8 | p[0]) == rgb;
        }
    }
    return count;
}

// Whether the preview shows what the movie's renderer draws of the object's begin state on a
// frame of the preview's size over the dialog's background.
bool ShowsWhatTheRendererDraws(const CG::DIBitmap& a, const MovieObject& object) {
    PreparedObject prepared;
    if (PrepareObject(object, prepared, "", 1600, 900).failed()) return false;
    CG::DIBitmap b;
    b.Create(24, 0, a.width(), a.height(), false);
    b.Fill(0x20, 0x20, 0x20);
    const CG::ImageRGBA& picture = prepared.picture;
    const FrameTransform t = PreviewTransform(object.beginState, picture.width(), picture.height(),
                                              b.width(), b.height());
    if (a.empty() || DrawPicture(picture, b, t).failed()) return false;
    for (int y = 0; y < a.height(); ++y) {
        const size_t row = size_t(y) * a.stride(), bytes = size_t(a.width()) * 3;
        if (std::memcmp(a.pixels() + row, b.pixels() + row, bytes) != 0) return false;
    }
    return true;
}

// Enter reaches OK alone: it is the one default button, and no button takes Enter for itself
// when it has the focus.
bool OnlyOkTakesEnter(const QDialog& dialog) {
    const QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->autoDefault() || button->isDefault() != (button == ok)) return false;
    }
    return true;
}

}  // namespace

class EditorDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<EditDlg> dialog;

    std::string Folder() const { return dir->path().toStdString(); }
    void Open(const MovieObject& object) {
        dialog = std::make_unique<EditDlg>(object, Folder(), 0x202020);
        dialog->resize(800, 500);
        dialog->show();
        dialog->WaitUntilPrepared();
    }
    void Touch(const char* name) { std::ofstream(dir->filePath(name).toStdString()) << "x"; }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { dialog.reset(); }

    void BeginTimeChangeKeepsTheDuration() {
        Open(Rectangle());
        QCOMPARE(dialog->secondsBox()->text(), QStringLiteral("02"));
        Type(dialog->secondsBox(), QStringLiteral("05"));
        dialog->ShowTab(1);
        QCOMPARE(dialog->secondsBox()->text(), QStringLiteral("10"));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->object().begin, 5000u);
        QCOMPARE(dialog->object().end, 10000u);
    }

    void EndNotAfterBeginKeepsTheDialogOpen() {
        Open(Rectangle());
        dialog->ShowTab(1);
        Type(dialog->secondsBox(), QStringLiteral("02"));
        dialog->ShowTab(0);  // the refusal brings the End tab back
        dialog->accept();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->shownTab(), 1);
        QVERIFY(QToolTip::text().contains(QStringLiteral("Invalid T2")));
        QVERIFY(QToolTip::text().contains(QStringLiteral("T2 be bigger than T2")));
    }

    void PreviewDrawsTheObjectAndMovesWithKeysAndSliders() {
        Open(Rectangle());
        QVERIFY(!dialog->busy());
        QVERIFY(!dialog->preview()->working());
        const CG::DIBitmap& frame = dialog->preview()->frame();
        const int red = PixelsOf(frame, 0xFF0000);
        QVERIFY(red > 100);
        QVERIFY(PixelsOf(frame, 0x202020) > red);  // the movie's background around it

        dialog->preview()->setFocus();
        QTest::keyClick(dialog->preview(), Qt::Key_Right);
        QTest::keyClick(dialog->preview(), Qt::Key_Up);
        QTRY_COMPARE(dialog->box(EditDlg::kX)->text(), QStringLiteral("801"));
        QTRY_COMPARE(dialog->box(EditDlg::kY)->text(), QStringLiteral("449"));

        dialog->slider(EditDlg::kRotZ)->setValue(45);
        QCOMPARE(dialog->box(EditDlg::kRotZBox)->text(), QStringLiteral("90"));
        dialog->slider(EditDlg::kSizeX)->setValue(150);
        QCOMPARE(dialog->box(EditDlg::kSizeXBox)->text(), QStringLiteral("1.5"));
        dialog->accept();
        QCOMPARE(dialog->object().beginState.x, 801 * 10000);
        QCOMPARE(dialog->object().beginState.y, 449 * 10000);
        QCOMPARE(dialog->object().beginState.rotZ, 90 * 10000);
        QCOMPARE(dialog->object().beginState.sizeX, 15000);
    }

    void AlignmentsUseThePictureAndTheShownState() {
        Open(Rectangle());
        const int width = int(dialog->prepared().picture.width());
        QVERIFY(width >= 400);
        dialog->ShowTab(1);  // drawn at half size here
        dialog->RunCommand(EditorCommand::AlignRight);
        QCOMPARE(dialog->box(EditDlg::kX)->text(), QString::number(1600 - width * 0.25));
        dialog->RunCommand(EditorCommand::AlignTop);
        QCOMPARE(dialog->box(EditDlg::kY)->text(),
                 QString::number(dialog->prepared().picture.height() * 0.25));
        dialog->accept();
        QCOMPARE(dialog->object().beginState.x, 800 * 10000);  // the Begin tab kept its place
    }

    void ColourAndResetReachTheObject() {
        Open(Rectangle());
        dialog->ChooseColor(true, 0x00FF00);
        dialog->WaitUntilPrepared();
        QVERIFY(PixelsOf(dialog->preview()->frame(), 0x00FF00) > 100);
        QCOMPARE(dialog->colorButton(true)->color(), 0x00FF00u);
        dialog->box(EditDlg::kX)->setText(QStringLiteral("100"));
        dialog->Reset();
        QCOMPARE(dialog->box(EditDlg::kX)->text(), QStringLiteral("800"));
        dialog->accept();
        QCOMPARE(dialog->object().frontColor, 0x00FF00u);
    }

    void TypedTextShowsInThePreviewAsTheRendererDrawsIt() {
        MovieObject text;  // as "Add Text" makes it: the default face and no text yet
        text.type = MovieObjectType::Text;
        text.fileName = u"Arial";
        text.beginState.x = text.endState.x = 800 * 10000;
        text.beginState.y = text.endState.y = 450 * 10000;
        Open(text);
        const CG::DIBitmap& shown = dialog->preview()->frame();
        const int all = shown.width() * shown.height();
        QCOMPARE(PixelsOf(shown, 0x202020), all);
        Type(dialog->textBox(), QStringLiteral("Reelwork"));
        QVERIFY(PixelsOf(shown, 0x202020) < all - 100);
        QVERIFY(ShowsWhatTheRendererDraws(shown, dialog->object()));
        Type(dialog->depthBox(), QStringLiteral("1"));
        QCOMPARE(dialog->object().depth3D, 1);
        QVERIFY(ShowsWhatTheRendererDraws(shown, dialog->object()));
    }

    // Enter presses OK; the properties and the file list are pressed so in their own tests.
    void EnterPressesOkInTheEditor() {
        Open(Rectangle());
        QVERIFY(OnlyOkTakesEnter(*dialog));
        Type(dialog->box(EditDlg::kX), QStringLiteral("123"));
        QTest::keyClick(dialog->box(EditDlg::kX), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->object().beginState.x, 123 * 10000);
    }

    void MovieImageWithoutFileIsRefused() {
        MovieObject image;
        image.type = MovieObjectType::Image;
        Open(image);
        QString text;
        AnswerNextMessageBox(QMessageBox::Ok, &text);
        dialog->accept();
        QCOMPARE(text, QStringLiteral("Click the Image button to select an image"));
        QVERIFY(dialog->isVisible());
    }

    void PropertiesListsStartFromTheProject() {
        MovieProperties p;
        p.height = 600;  // not listed: 1280x720 is selected
        p.width = 1066;
        p.fps = 7;
        p.movieQuality = 72;  // not listed: nothing selected, OK refused
        p.jpgQuality = 90;
        PropertiesDlg properties(p);
        QCOMPARE(properties.sizeList()->currentText(), QStringLiteral("1280x720"));
        QCOMPARE(properties.fpsList()->currentText(), QStringLiteral("7"));
        QCOMPARE(properties.movieQualityList()->currentIndex(), -1);
        properties.show();
        properties.accept();
        QVERIFY(properties.isVisible());
        properties.movieQualityList()->setCurrentText(QStringLiteral("70"));
        properties.sizeList()->setCurrentText(QStringLiteral("640x360"));
        properties.fpsList()->setCurrentText(QStringLiteral("30"));
        QVERIFY(OnlyOkTakesEnter(properties));
        QTest::keyClick(properties.fpsList(), Qt::Key_Return);
        QCOMPARE(properties.result(), int(QDialog::Accepted));
        QCOMPARE(properties.properties().fps, 30);
        QCOMPARE(properties.properties().movieQuality, 70);
        QCOMPARE(properties.properties().width, 640);
        QCOMPARE(properties.properties().height, 360);
    }

    void FileListShowsTheFolderAndSelectsTheCurrentName() {
        for (const char* name : {"b.png", "A.jpg", "c.wav", "notes.txt", "d.bmp"}) Touch(name);
        FilenameDlg chooser(MovieObjectType::Image, Folder(), "b.png");
        QVERIFY(chooser.listing());
        QTRY_VERIFY(!chooser.listing());
        QStringList names;
        for (int i = 0; i < chooser.list()->count(); ++i) names << chooser.list()->item(i)->text();
        QCOMPARE(names, QStringList({"A.jpg", "b.png", "d.bmp"}));
        QCOMPARE(chooser.list()->currentRow(), 1);
        chooser.show();
        QVERIFY(OnlyOkTakesEnter(chooser));
        chooser.list()->setCurrentRow(2);
        QTest::keyClick(chooser.list(), Qt::Key_Return);
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(chooser.name(), std::string("d.bmp"));
    }

    // Pictures that decode get icons, a broken one none; closing drops the pictures still
    // waiting for their thumbnails.
    void ChooserShowsThumbnailsOfPicturesThatDecode() {
        QImage picture(1600, 1200, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x, y, x ^ y));
        }
        QVERIFY(picture.save(dir->filePath("a.png")));
        QVERIFY(picture.save(dir->filePath("c.jpg")));
        Touch("b.jpg");
        {
            FilenameDlg chooser(MovieObjectType::Image, Folder(), "a.png");
            chooser.show();
            QTRY_COMPARE(chooser.thumbnails(), 3);
            QVERIFY(!chooser.list()->item(0)->icon().isNull());
            QVERIFY(chooser.list()->item(1)->icon().isNull());
            QVERIFY(!chooser.list()->item(2)->icon().isNull());
        }
        for (int i = 0; i < 60; ++i) {
            std::filesystem::copy_file(Folder() + "/c.jpg",
                                       Folder() + "/d" + std::to_string(i) + ".jpg");
        }
        FilenameDlg chooser(MovieObjectType::Image, Folder(), "a.png");
        chooser.show();
        QTRY_VERIFY(!chooser.listing());
        chooser.reject();
        QTest::qWait(200);
        QVERIFY(chooser.thumbnails() < chooser.list()->count());
    }
};

REELWORK_QTEST_MAIN(EditorDialogsTest)
#include "EditorDialogsTest.moc"
