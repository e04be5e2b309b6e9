#include <QLineEdit>
#include <QToolTip>

#include "panelwick/Win/Balloon.h"
#include "panelwick/Win/IconPainter.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/Notice.h"
#include "support/QtTest.h"

namespace {

// Counts the notices it receives and which of them carry the values 123 and 456.
class NoticeCounter : public QObject {
public:
    int notices = 0, completions = 0;
    bool event(QEvent* event) override {
        if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
            ++notices;
            if (notice->Is(Win::kAppMessage + 1)) ++completions;
            return true;
        }
        return QObject::event(event);
    }
};

}  // namespace

class WinTest : public QObject {
    Q_OBJECT

private slots:
    void CentimetresRoundToWholePixels() {
        QCOMPARE(Win::CmToPixels(2.54, 96), 96);
        QCOMPARE(Win::CmToPixels(1, 96), 38);
        QCOMPARE(Win::CmToPixels(0.3175, 96), 12);
        QCOMPARE(Win::CmToPixels(0.493889, 96), 19);
        QCOMPARE(Win::CmToPixels(0.1, 144), 6);
        QCOMPARE(Win::CmToPixels(0.42333, 96), 16);
    }

    void IconSizeIsTheNearestStandardOne() {
        QCOMPARE(Win::NearestIconSize(0.42333 * 96 / 2.54), 16);
        QCOMPARE(Win::NearestIconSize(0.42333 * 192 / 2.54), 32);
        QCOMPARE(Win::NearestIconSize(18), 16);  // a tie takes the smaller
        QCOMPARE(Win::NearestIconSize(18.1), 20);
        QCOMPARE(Win::NearestIconSize(11.9), 16);
        QCOMPARE(Win::NearestIconSize(1000), 256);
    }

    void OnlyNoticesWith123And456Count() {
        NoticeCounter counter;
        Win::PostNotice(&counter, Win::kAppMessage + 1);
        Win::PostNotice(&counter, Win::kAppMessage + 1, 123, 457);
        Win::PostNotice(&counter, Win::kAppMessage + 1, 100, 100);
        Win::PostNotice(&counter, Win::kAppMessage + 2);
        QCOMPARE(counter.notices, 0);  // posted, not yet delivered
        QCoreApplication::processEvents();
        QCOMPARE(counter.notices, 4);
        QCOMPARE(counter.completions, 1);
    }

    void MessageBoxesCarryTheCaptionAndAnswer() {
        QString text;
        AnswerNextMessageBox(QMessageBox::Cancel, &text);
        QCOMPARE(Win::MessageBox::AskYesNoCancel(nullptr, "Do you want to save the changes?"),
                 Win::MessageBox::Answer::Cancel);
        QCOMPARE(text, QStringLiteral("Do you want to save the changes?"));
        AnswerNextMessageBox(QMessageBox::No);
        QCOMPARE(Win::MessageBox::AskYesNoCancel(nullptr, "?"), Win::MessageBox::Answer::No);
        AnswerNextMessageBox(QMessageBox::Yes);
        QVERIFY(Win::MessageBox::AskYesNo(nullptr, "?"));
        AnswerNextMessageBox(QMessageBox::No);
        QVERIFY(!Win::MessageBox::AskYesNo(nullptr, "?"));
    }

    void BalloonShowsTitleAndTextAtTheField() {
        QLineEdit field;
        field.show();
        Win::Balloon::Show(&field, "Frame rate", "Enter a number from 1 to 60");
        QVERIFY(QToolTip::text().contains(QStringLiteral("Frame rate")));
        QVERIFY(QToolTip::text().contains(QStringLiteral("Enter a number from 1 to 60")));
        QToolTip::hideText();
    }

    void DisabledIconsAreGreyAndFainter() {
        Win::IconPainter painter(16);
        painter.Pen(Qt::red, 0);
        painter.Brush(Qt::red);
        painter.painter().drawRect(QRectF(0, 0, 16, 16));
        const QImage normal = painter.Take().toImage();
        const QImage disabled = Win::IconPainter::Disabled(QPixmap::fromImage(normal)).toImage();
        const QColor c = disabled.pixelColor(8, 8);
        QCOMPARE(c.red(), c.green());
        QCOMPARE(c.green(), c.blue());
        QVERIFY(c.alpha() < normal.pixelColor(8, 8).alpha());
    }
};

REELWORK_QTEST_MAIN(WinTest)
#include "WinTest.moc"
