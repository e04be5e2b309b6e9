#include <algorithm>
#include <chrono>
#include <cstdio>

#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>

#include "../bench/ReferenceProject.h"
#include "app/WindowFixture.h"
#include "app/monitor/MonitorPanel.h"
#include "app/monitor/MonitorView.h"
#include "app/monitor/TimeRuler.h"
#include "editing/AtOption.h"
#include "panelwick/CG/BitmapLoader.h"

namespace {

// The pixels of the monitor's frame equal those of a bitmap.
bool SamePixels(const QImage& image, const CG::DIBitmap& bitmap) {
    if (image.width() != bitmap.width() || image.height() != bitmap.height()) return false;
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    for (int y = 0; y < bgr.height(); ++y) {
        if (!std::equal(bgr.constScanLine(y), bgr.constScanLine(y) + 3 * bgr.width(),
                        bitmap.Row(y))) {
            return false;
        }
    }
    return true;
}

// Runs the built reelwork-cli; its exit status.
int RunCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(REELWORK_BIN_DIR "/reelwork-cli"), args);
    if (!cli.waitForFinished(60000)) return -1;
    return cli.exitCode();
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

class MonitorTest : public WindowFixture {
    Q_OBJECT

    MonitorPanel& monitor() { return window->monitor(); }
    QString Label(const char* name) {
        return monitor().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    // Waits until the monitor painted the newest frame asked for, handling each event as it
    // comes (so a frame's latency is not rounded up to a polling interval).
    bool Settled() {
        QElapsedTimer waited;
        waited.start();
        while (monitor().shownRequest() == 0 ||
               monitor().shownRequest() != monitor().newestRequest()) {
            if (waited.elapsed() > 20000) return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

    // The sample project with a text, saved, opened as "reelwork --at 2.5 PROJECT" opens it.
    void OpenAt(const char* seconds) {
        Document made;
        QVERIFY(made.New(Path("Trip"), prompt));
        made.objects[0].end = 5000;
        made.objects[1].end = 5000;
        MovieObject text;
        text.type = MovieObjectType::Text;
        text.text = u"Monitor";
        text.end = 4000;
        text.endState.rotZ = 450000;
        made.objects.push_back(text);
        QVERIFY(made.Save().ok());
        std::vector<std::string> args{"--at", seconds, made.file()};
        const AtOption at = TakeAtOption(args);
        QCOMPARE(args.size(), size_t(1));
        window->OpenProject(args[0]);
        window->SetPlayhead(uint32_t(at.ms));
    }

private slots:
    void init() {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("SDL_AUDIODRIVER", "dummy");
        Start();
        window->view().SetPrompt(&prompt);
        window->resize(1000, 800);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { Finish(); }

    void opensAtTheGivenTimeWithRenderFramesPixels() {
        OpenAt("2.5");
        QVERIFY(Settled());
        QCOMPARE(monitor().shownFrame(), 60u);
        QCOMPARE(Label("monitorTime"), QStringLiteral("0:02.5 / 0:05.0"));
        QCOMPARE(Label("monitorFrame"), QStringLiteral("Frame 60"));
        // render-frame of the project at the monitor's size gives the same pixels.
        const QImage shown = monitor().view().image();
        QVERIFY(shown.width() > 100);
        Document sized;
        QVERIFY(sized.Open(doc().file(), prompt));
        sized.properties.width = uint16_t(shown.width());
        sized.properties.height = uint16_t(shown.height());
        QVERIFY(sized.Save().ok());
        const std::string out = Path("frame.bmp");
        QCOMPARE(RunCli({QStringLiteral("render-frame"), QString::fromStdString(sized.file()),
                         QStringLiteral("60"), QString::fromStdString(out)}),
                 0);
        CG::DIBitmap reference;
        QVERIFY(CG::LoadBitmap(reference, out).ok());
        QVERIFY(SamePixels(shown, reference));
    }

    void scrubbingOnTheRulerMovesThePlayheadAndEveryEditShows() {
        OpenAt("0");
        QVERIFY(Settled());
        TimeRuler* ruler = window->findChild<TimeRuler*>();
        QVERIFY(ruler);
        const int y = ruler->height() / 2;
        QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(ruler->origin() + 4, y));
        // A drag across the first seconds, one event at a time, the window never waiting.
        for (int x = 4; x <= 16; ++x) {
            QMouseEvent move(QEvent::MouseMove, QPointF(ruler->origin() + x, y),
                             ruler->mapToGlobal(QPointF(ruler->origin() + x, y)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(ruler, &move);
            QVERIFY(Settled());
        }
        QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(ruler->origin() + 16, y));
        QCOMPARE(monitor().playhead().time(), 4000u);  // 4 pixels a second
        QCOMPARE(window->view().horizontalScrollBar()->value(), 0);
        QCOMPARE(monitor().shownFrame(), 4u * doc().properties.fps);
        const std::vector<double>& latency = monitor().latencies();
        std::printf(
            "Scrubbing latency, request to painted frame: median %.1f ms, worst %.1f ms "
            "(%zu frames)\n",
            Median(latency), *std::max_element(latency.begin(), latency.end()), latency.size());

        // Keys on the monitor: one frame, one second, the start.
        monitor().view().setFocus();
        QTest::keyClick(&monitor().view(), Qt::Key_Left);
        QCOMPARE(monitor().playhead().frame(), 4u * doc().properties.fps - 1);
        QTest::keyClick(&monitor().view(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(&monitor().view(), Qt::Key_Home);
        QCOMPARE(monitor().playhead().time(), 0u);

        // A new background colour (a property) shows in the letterbox bars and the frame.
        QVERIFY(Settled());
        const uint64_t before = monitor().shownRequest();
        const QImage old = monitor().view().image();
        doc().properties.backColor = 0x0000FF00;
        window->RefreshCommands();
        QVERIFY(Settled());
        QVERIFY(monitor().shownRequest() > before);
        QVERIFY(monitor().view().image() != old);

        // A playhead beyond the timeline's view scrolls it into view, and back.
        doc().objects[0].end = 600000;
        doc().NotifyRepaint();
        QScrollBar* across = window->view().horizontalScrollBar();
        window->SetPlayhead(500000);
        const int x = 2000 - across->value();  // 4 px a second
        QVERIFY(x >= 0 && x < window->view().viewport()->width());
        window->SetPlayhead(0);
        QCOMPARE(across->value(), 0);

        // A missing picture is drawn as its placeholder; the monitor keeps showing.
        doc().objects[0].fileName = u"gone.jpg";
        window->RefreshCommands();
        QVERIFY(Settled());
        QVERIFY(!monitor().view().image().isNull());
    }

    void aPictureChangedOnDiskShowsWhenTheWindowComesBack() {
        OpenAt("1");
        QVERIFY(Settled());
        const QImage before = monitor().view().image();
        QImage red(64, 48, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(QString::fromStdString(doc().folder() + "/sample.jpg"), "JPG"));
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window.get(), &activate);
        QVERIFY(Settled());
        QVERIFY(monitor().view().image() != before);
    }

    void playbackRunsToTheEndOfItsSpanAndReturns() {
        OpenAt("1");
        QVERIFY(Settled());
        monitor().Play(2500, 1000);
        QVERIFY(monitor().playing());
        QVERIFY(QTest::qWaitFor([this] { return !monitor().playing(); }, 10000));
        QCOMPARE(monitor().playhead().time(), 1000u);
        QVERIFY(Settled());
        const uint32_t due = monitor().framesDue(), shown = monitor().framesShown();
        std::printf("Playback of 1.5 s: %u frames due, %u shown (%.1f %% dropped)\n", due, shown,
                    due ? 100.0 * (due - std::min(due, shown)) / due : 0.0);
        QCOMPARE(due, 36u);  // frames 25 to 60
    }

    // The benchmarks' reference project played for REELWORK_PLAYBACK_SECONDS (2 unless set);
    // the share of frames not painted is printed.
    void theReferenceProjectPlaysInRealTime() {
        Document reference;
        QVERIFY(MakeReferenceProject(dir->path().toStdString(), reference));
        window->OpenProject(reference.file());
        window->SetPlayhead(0);
        QVERIFY(Settled());
        // Scrubbing across it: each position's frame is painted before the next is asked for.
        const size_t before = monitor().latencies().size();
        for (uint32_t ms = 250; ms < 30000; ms += 1500) {
            window->SetPlayhead(ms);
            QVERIFY(Settled());
        }
        const std::vector<double> scrub(monitor().latencies().begin() + ptrdiff_t(before),
                                        monitor().latencies().end());
        std::printf(
            "Reference project scrubbing at %dx%d: median %.1f ms, worst %.1f ms "
            "(%zu frames)\n",
            monitor().view().image().width(), monitor().view().image().height(), Median(scrub),
            *std::max_element(scrub.begin(), scrub.end()), scrub.size());
        window->SetPlayhead(0);
        QVERIFY(Settled());
        const int asked = qEnvironmentVariableIntValue("REELWORK_PLAYBACK_SECONDS");
        const int seconds = asked > 0 ? asked : 2;
        const auto start = std::chrono::steady_clock::now();
        monitor().Play(uint32_t(seconds) * 1000);
        QVERIFY(QTest::qWaitFor([this] { return !monitor().playing(); }, seconds * 3000 + 5000));
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        QVERIFY(Settled());
        const uint32_t due = monitor().framesDue(), shown = monitor().framesShown();
        std::printf(
            "Reference project, %d s played in %.2f s: %u frames due, %u painted "
            "(%.1f %% dropped)\n",
            seconds, took, due, shown, due ? 100.0 * (due - std::min(due, shown)) / due : 0.0);
        QCOMPARE(due, uint32_t(seconds) * 24);
        QVERIFY(took > seconds * 0.9);  // real time, not faster
        QVERIFY(shown > 0);
    }

    void anEmptyProjectShowsTheBackgroundAndNoTime() {
        QCOMPARE(Label("monitorTime"), QStringLiteral("0:00.0 / 0:00.0"));
        QVERIFY(Settled());
        QCOMPARE(monitor().view().image().pixelColor(10, 10), QColor(255, 255, 255));
    }
};

REELWORK_QTEST_MAIN(MonitorTest)
#include "MonitorTest.moc"
