#include <fstream>

#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>

#include "app/timeline/BarPalette.h"
#include "app/timeline/DocumentView.h"
#include "panelwick/Sys/BufferWriter.h"
#include "panelwick/Win/Notice.h"
#include "support/FakePrompt.h"
#include "support/QtTest.h"
#include "support/TempDir.h"

namespace {

MovieObject Object(MovieObjectType type, uint32_t begin, uint32_t end) {
    MovieObject o;
    o.type = type;
    o.begin = begin;
    o.end = end;
    o.fileName = u"clip";
    return o;
}

// Counts the edit notices the view posts to its window.
class NoticeCounter : public QObject {
public:
    int edits = 0;
    bool event(QEvent* event) override {
        const Win::NoticeEvent* notice = Win::AsNotice(event);
        if (notice && notice->Is(Win::kAppMessage)) ++edits;
        return notice || QObject::event(event);
    }
};

}  // namespace

class DocumentViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DocumentView> view;
    FakePrompt prompt;
    NoticeCounter window;

    Document& doc() { return view->document(); }
    void Rows(std::vector<MovieObject> objects) {
        doc().objects = std::move(objects);
        doc().NotifyRepaint();
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view.get(), static_cast<Qt::Key>(key), modifiers);
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          QPoint(30, row * view->rowHeight() + 2));
    }
    void Mouse(QEvent::Type type, int x, int y, Qt::KeyboardModifiers modifiers = {}) {
        const bool down = type != QEvent::MouseButtonRelease;
        const QPointF at(x, y);
        QMouseEvent event(type, at, view->viewport()->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, modifiers);
        QCoreApplication::sendEvent(view->viewport(), &event);
    }
    QColor PixelAt(int x, int y) { return view->viewport()->grab().toImage().pixelColor(x, y); }

private slots:
    void init() {
        view = std::make_unique<DocumentView>();
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(16);
        view->setFont(font);
        view->resize(900, 300);
        view->SetPrompt(&prompt);
        view->SetNoticeReceiver(&window);
        view->show();
        doc().SetFile("/movies/p/p.rwk", "/movies/p");
        prompt = FakePrompt();
        window.edits = 0;
    }
    void cleanup() {
        QCoreApplication::processEvents();  // notices of this test stay in this test
        view.reset();
    }

    void MetricsFollowTheFont() {
        QCOMPARE(view->fontHeight(), 16);
        QCOMPARE(view->margin(), 3);
        const int line = QFontMetrics(view->font()).lineSpacing();
        QCOMPARE(view->rowHeight(), (line * 120 + 50) / 100);
        QCOMPARE(view->iconSize(), 16);
        QCOMPARE(view->horizontalExtent(), 480);
        Rows({Object(MovieObjectType::Image, 0, 5000), Object(MovieObjectType::Image, 0, 60000),
              Object(MovieObjectType::Audio, 0, 20000)});
        QCOMPARE(view->horizontalExtent(), 720);
    }

    void RowsDrawFilledBarsInTheirTypesColours() {
        Rows({Object(MovieObjectType::Image, 0, 10000), Object(MovieObjectType::Text, 0, 10000)});
        doc().Select(1, 1);
        QCOMPARE(PixelAt(20, 3).rgb(), BarPalette::Fill(MovieObjectType::Image, false).rgb());
        QCOMPARE(PixelAt(20, view->rowHeight() + 3).rgb(),
                 BarPalette::Fill(MovieObjectType::Text, true).rgb());  // 10 s: 40 px
        QCOMPARE(PixelAt(301, 3), view->palette().color(QPalette::Base));
        QCOMPARE(PixelAt(21, 2 * view->rowHeight() + 3), view->palette().color(QPalette::Base));
    }

    // Missing and undecodable files are outlined in red; pictures that decode show thumbnails.
    void PicturesShowThumbnailsAndMissingOrUndecodableFilesTheRedMark() {
        TempDir dir;
        QImage green(64, 48, QImage::Format_RGB32);
        green.fill(QColor(0, 200, 0));
        QVERIFY(green.save(QString::fromStdString(dir / "pic.png")));
        std::ofstream(dir / "bad.png") << "not a picture";
        doc().SetFile(dir / "p.rwk", dir.path().string());
        MovieObject good = Object(MovieObjectType::Image, 0, 60000), bad = good;
        good.fileName = u"pic.png";
        bad.fileName = u"bad.png";
        // "clip" is not in the folder; a text's name is its font's, not a file's.
        Rows({good, bad, Object(MovieObjectType::Image, 0, 10000),
              Object(MovieObjectType::Text, 0, 10000)});
        view->viewport()->grab();
        view->thumbnails().WaitIdle();
        const QImage image = view->viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(6, view->rowHeight() / 2), QColor(0, 200, 0));
        auto redIn = [&](int row) {
            for (int y = row * view->rowHeight(); y < (row + 1) * view->rowHeight(); ++y) {
                if (image.pixelColor(30, y) == QColor(220, 30, 30)) return true;
            }
            return false;
        };
        QCOMPARE(QList<bool>({redIn(0), redIn(1), redIn(2), redIn(3)}),
                 QList<bool>({false, true, true, false}));
    }

    void DraggingMovesAnEdgeOrTheSelectionAndMakesOneUndoPoint() {
        Rows(
            {Object(MovieObjectType::Image, 1000, 3000), Object(MovieObjectType::Audio, 0, 20000)});
        const int y = 3;
        Mouse(QEvent::MouseButtonPress, 12, y);  // the end at 4 px a second
        Mouse(QEvent::MouseMove, 30, y);
        Mouse(QEvent::MouseMove, 52, y);  // 40 px: 10 s later
        QVERIFY(view->dragging());
        QCOMPARE(doc().objects[0].end, 13000u);
        QVERIFY(!doc().CanUndo());  // the undo point waits for the release
        Mouse(QEvent::MouseButtonRelease, 52, y);
        QCOMPARE(doc().objects[0].begin, 1000u);
        QVERIFY(doc().CanUndo());
        Mouse(QEvent::MouseButtonPress, 52, y);
        Mouse(QEvent::MouseMove, 64, y);
        QCOMPARE(doc().objects[0].end, 16000u);
        Press(Qt::Key_Escape);
        QVERIFY(!view->dragging());
        QCOMPARE(doc().objects[0].end, 13000u);
        Mouse(QEvent::MouseButtonRelease, 64, y);
        QVERIFY(doc().Undo());
        QCOMPARE(doc().objects[0].end, 3000u);
        QVERIFY(!doc().CanUndo());

        // Dragging a selected row moves the whole selection.
        doc().Select(0, 1);
        const int row1 = view->rowHeight() + 3;
        Mouse(QEvent::MouseButtonPress, 40, row1);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(0, 1));
        Mouse(QEvent::MouseMove, 48, row1, Qt::ShiftModifier);  // 2 s, not snapped back to 0
        Mouse(QEvent::MouseButtonRelease, 48, row1);
        QCOMPARE(doc().objects[0].begin, 3000u);
        QCOMPARE(doc().objects[1].end, 22000u);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(0, 1));
        Mouse(QEvent::MouseButtonPress, 40, row1);  // a click without a drag selects the row
        Mouse(QEvent::MouseButtonRelease, 40, row1);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(1, 1));
    }

    void WheelAndKeysZoomAndMoveTheSelection() {
        Rows(std::vector<MovieObject>(5, Object(MovieObjectType::Image, 0, 600000)));
        const uint32_t under = view->geometry().TimeAtX(200);
        QWheelEvent wheel(QPointF(200, 5), view->viewport()->mapToGlobal(QPointF(200, 5)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(view->viewport(), &wheel);
        QCOMPARE(view->geometry().pixelsPerSecond(), 5.0);
        QVERIFY(std::abs(int(view->geometry().TimeAtX(200)) - int(under)) <= 250);
        Press(Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(view->geometry().pixelsPerSecond(), 4.0);
        Press(Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(view->geometry().XOfTime(600000), view->viewport()->width());

        Press(Qt::Key_Down);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(0, 0));
        Press(Qt::Key_Down);
        Press(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(1, 2));
        Press(Qt::Key_End);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(4, 4));
        Press(Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(0, 4));
        Press(Qt::Key_Up);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(0, 0));
        Press(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(0, 4));
    }

    void ClicksSelectOneRangeAndDoubleClickAsksForAnEdit() {
        Rows(std::vector<MovieObject>(6, Object(MovieObjectType::Image, 0, 1000)));
        QSignalSpy changes(view.get(), &DocumentView::selectionChanged);
        QSignalSpy edits(view.get(), &DocumentView::editRequested);
        Click(1);
        Click(2, Qt::ControlModifier);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(1, 2));
        Click(4, Qt::ShiftModifier);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(1, 4));
        Click(0, Qt::ShiftModifier);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(0, 4));
        Click(3);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(3, 3));
        QCOMPARE(changes.count(), 5);
        Click(3);  // already the selection: nothing happens
        Click(9);  // below the last row
        QCOMPARE(changes.count(), 5);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(30, 5 * view->rowHeight() + 2));
        QCOMPARE(doc().first(), 5);
        QCOMPARE(edits.count(), 1);
    }

    void KeysMoveStretchDeleteAndUndo() {
        Rows({Object(MovieObjectType::Image, 1000, 2000), Object(MovieObjectType::Audio, 50, 3000),
              Object(MovieObjectType::Image, 0, 500)});
        doc().Select(0, 1);
        Press(Qt::Key_Space);
        Press(Qt::Key_L);
        QCOMPARE(doc().objects[0].begin, 1200u);
        QCOMPARE(doc().objects[1].end, 3200u);
        Press(Qt::Key_Space, Qt::ControlModifier);
        Press(Qt::Key_L, Qt::ControlModifier);
        Press(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(doc().objects[0].begin, 900u);
        QCOMPARE(doc().objects[1].begin, 0u);  // clamped at 0
        QCOMPARE(doc().objects[1].end, 2900u);
        Press(Qt::Key_F3);
        QCOMPARE(doc().objects[0].end, 2000u);
        QCOMPARE(doc().objects[1].end, 2900u);  // audio keeps its end
        Press(Qt::Key_F2);
        Press(Qt::Key_F2);
        QCOMPARE(doc().objects[0].end, 1800u);
        QCoreApplication::processEvents();
        QCOMPARE(window.edits, 8);
        QVERIFY(!doc().saved());

        prompt.yes = false;
        Press(Qt::Key_Delete);
        QCOMPARE(doc().objects.size(), size_t(3));
        QCOMPARE(prompt.questions.back(), "Are you sure you want to delete the selected items?");
        prompt.yes = true;
        Press(Qt::Key_Delete);
        QCOMPARE(doc().objects.size(), size_t(1));
        QCOMPARE(doc().first(), -1);

        QSignalSpy changes(view.get(), &DocumentView::selectionChanged);
        Press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc().objects.size(), size_t(3));
        QCOMPARE(doc().objects[0].end, 1800u);
        Press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc().objects[0].end, 1900u);
        Press(Qt::Key_Y, Qt::ControlModifier);
        Press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(doc().objects.size(), size_t(1));
        QVERIFY(changes.count() >= 4);
        QCoreApplication::processEvents();
        QCOMPARE(window.edits, 8 + 1 + 4);
    }

    void OtherKeysGoToTheWindow() {
        Rows({Object(MovieObjectType::Image, 0, 1000)});
        doc().Select(0, 0);
        for (int key : {Qt::Key_A, Qt::Key_C, Qt::Key_Z, Qt::Key_F5}) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(view.get(), &event);
            QVERIFY(!event.isAccepted());
        }
        QVERIFY(doc().saved());
        QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &pageDown);
        QVERIFY(pageDown.isAccepted());
    }

    // Other clipboard contents are not pasted; a paste of three after row one leaves row four
    // selected; a cut deletes without asking.
    void PasteTakesOnlyOurFormatAndSelectsTheLastPastedRow() {
        Rows({Object(MovieObjectType::Image, 0, 1000), Object(MovieObjectType::Text, 0, 2000),
              Object(MovieObjectType::Audio, 0, 3000), Object(MovieObjectType::Video, 0, 4000)});
        doc().Select(0, 0);
        QGuiApplication::clipboard()->setText(QStringLiteral("1 object"));
        QVERIFY(!ObjectClipboard::Available());
        Press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(doc().objects.size(), size_t(4));
        QVERIFY(!doc().CanUndo());
        doc().Select(1, 3);
        Press(Qt::Key_C, Qt::ControlModifier);
        // The clipboard holds the count and the records as the project file stores them.
        Sys::BufferWriter expected;
        (void)expected.WriteU32(3);
        for (int row = 1; row <= 3; ++row) (void)doc().objects[row].Write(expected);
        const QByteArray held =
            QGuiApplication::clipboard()->mimeData()->data(ObjectClipboard::kMimeType);
        QCOMPARE(held.toStdString(), expected.data());

        doc().Select(0, 0);
        Press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(doc().objects.size(), size_t(7));
        QCOMPARE(doc().objects[1].end, 2000u);
        QCOMPARE(doc().objects[2].end, 3000u);
        QCOMPARE(doc().objects[3].end, 4000u);
        QCOMPARE(std::pair(doc().first(), doc().last()), std::pair(3, 3));
        Press(Qt::Key_Z, Qt::ControlModifier);  // one undo point for the whole paste
        QCOMPARE(doc().objects.size(), size_t(4));
        QGuiApplication::clipboard()->clear();
        doc().Select(0, 3);
        Press(Qt::Key_X, Qt::ControlModifier);
        QVERIFY(ObjectClipboard::Available());
        QVERIFY(doc().objects.empty());
        QVERIFY(prompt.questions.empty());
    }
};

REELWORK_QTEST_MAIN(DocumentViewTest)
#include "DocumentViewTest.moc"
