#include "app/progress/ProgressCtrl.h"
#include "support/QtTest.h"

namespace {

class FakePipeline : public IPipelineState {
public:
    int stage = 0;
    bool restart = false;
    double fraction = 0;
    double encoder = -1;
    int CurrentStage() const override { return stage; }
    double EncoderFraction() const override { return encoder; }
    bool TakeStageRestart() override { return std::exchange(restart, false); }
    double ProgressFraction() const override { return fraction; }
};

const QColor kGreen(0, 180, 0), kRed(255, 20, 20);

}  // namespace

class ProgressCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void StagesBelowAreCompletedAboveArePending() {
        ProgressCtrl progress;
        FakePipeline pipeline;
        pipeline.stage = 3;
        pipeline.restart = true;
        progress.Refresh(pipeline);
        QVERIFY(!pipeline.restart);  // the flag is taken
        QCOMPARE(progress.stage(), 3);
        for (int i : {1, 2}) {
            QCOMPARE(progress.StatusOf(i).text, QStringLiteral("completed"));
            QCOMPARE(progress.StatusOf(i).color, kGreen);
        }
        QCOMPARE(progress.StatusOf(3).text, QStringLiteral("Initializing..."));
        QCOMPARE(progress.StatusOf(3).color, QColor(Qt::black));
        for (int i : {4, 5, 6}) {
            QCOMPARE(progress.StatusOf(i).text, QStringLiteral("pending"));
            QCOMPARE(progress.StatusOf(i).color, kRed);
        }

        // Frames streamed to the encoder: stage 5 advances with stage 3.
        pipeline.encoder = 0.42;
        progress.Refresh(pipeline);
        QCOMPARE(progress.StatusOf(5).text, QStringLiteral("encoding 42%"));
        QCOMPARE(progress.StatusOf(4).text, QStringLiteral("pending"));
    }

    void EmptyStatusReadsWorkingAndStageZeroIsAllPending() {
        ProgressCtrl progress;
        progress.Reset();
        for (int i = 1; i <= 6; ++i) QCOMPARE(progress.StatusOf(i).text, QStringLiteral("pending"));
        FakePipeline pipeline;
        pipeline.stage = 2;
        progress.Refresh(pipeline);
        // Reset started the clock; the first second of a stage still initialises.
        QCOMPARE(progress.statusText(), QStringLiteral("Initializing..."));
        progress.Show(5, QString());
        QCOMPARE(progress.StatusOf(5).text, QStringLiteral("working. . ."));
        QCOMPARE(progress.StatusOf(4).text, QStringLiteral("completed"));
        progress.Reset();
        QCOMPARE(progress.stage(), 0);
        QVERIFY(progress.statusText().isEmpty());
        QCOMPARE(progress.StatusOf(1).text, QStringLiteral("pending"));
    }

    void PaintsTheSixStageNames() {
        ProgressCtrl progress;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(19);
        progress.setFont(font);
        progress.resize(500, 200);
        FakePipeline pipeline;
        pipeline.stage = 4;
        progress.Refresh(pipeline);
        const QImage image = progress.grab().toImage();
        // Somewhere in the status column of the first row is the green of "completed".
        bool green = false;
        for (int x = 250; x < 400 && !green; ++x) {
            for (int y = 19; y < 38 && !green; ++y) green = image.pixelColor(x, y) == kGreen;
        }
        QVERIFY(green);
    }
};

REELWORK_QTEST_MAIN(ProgressCtrlTest)
#include "ProgressCtrlTest.moc"
