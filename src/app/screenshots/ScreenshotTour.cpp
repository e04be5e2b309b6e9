#include "app/screenshots/ScreenshotTour.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "app/screenshots/AudioScreenshots.h"
#include "app/screenshots/EditorScreenshots.h"
#include "app/screenshots/ImportScreenshots.h"
#include "app/screenshots/FileScreenshots.h"
#include "app/timeline/DocumentView.h"
#include "app/video/CombineDlg.h"
#include "app/video/GetReadyDlg.h"
#include "app/video/ScreenCaptureDlg.h"
#include "app/window/Reelwork.h"
#include "panelwick/Mt/Worker.h"
#include "panelwick/Sys/FrameFolder.h"
#include "production/IMovieCreation.h"

namespace {

// A stand-in for the movie creation that only walks through the stages, so that the progress
// display can be seen: stage 2 takes a second, stage 3 gains 10 % a second.
class StageWalk : public IMovieCreation {
public:
    Sys::Result Start(const Document&, uint32_t, uint32_t, EndNotice onEnd) override {
        walker_.Start([this](Mt::Task& task) { return Walk(task); }, std::move(onEnd));
        return {};
    }
    void RequestStop() override { walker_.Cancel(); }
    void Wait() override { (void)walker_.Wait(); }
    Mt::TaskResult Result() const override { return {}; }
    int CurrentStage() const override {
        std::lock_guard lock(mutex_);
        return stage_;
    }
    bool TakeStageRestart() override { return restart_.exchange(false); }
    double ProgressFraction() const override { return walker_.task().progress(); }

private:
    Mt::TaskResult Walk(Mt::Task& task) {
        for (int stage = 1; stage <= 3 && !task.Cancelled(); ++stage) {
            SetStage(stage, task);
            for (int tenth = 1; tenth <= (stage == 3 ? 100 : stage == 2 ? 10 : 0); ++tenth) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                if (task.Cancelled()) break;
                task.SetProgress(stage == 3 ? tenth / 100.0 : tenth / 10.0);
            }
        }
        SetStage(0, task);
        return {};
    }
    void SetStage(int stage, Mt::Task& task) {
        {
            std::lock_guard lock(mutex_);
            stage_ = stage;
        }
        task.SetProgress(0);
        restart_ = true;
    }

    mutable std::mutex mutex_;
    int stage_ = 0;
    std::atomic<bool> restart_{false};
    Mt::Worker walker_;
};

}  // namespace

ScreenshotTour::ScreenshotTour(Reelwork& window, const QString& folder)
    : window_(window), folder_(folder) {
    QDir().mkpath(folder_);
    steps_ = {
        {800,
         [this] {
             ClickRow(0, Qt::NoModifier);
             ClickRow(1, Qt::ShiftModifier);
         }},
        {400, [this] { Save(QStringLiteral("main-window.png")); }},
        // The timeline zoomed in, and while a bar's end is dragged (then put back).
        {0, [this] { window_.view().Zoom(9, 0); }},
        {400, [this] { Save(QStringLiteral("timeline-zoomed.png")); }},
        {0, [this] { DragRightEdge(90); }},
        {400, [this] { Save(QStringLiteral("timeline-drag.png")); }},
        {0,
         [this] {
             Key(Qt::Key_Escape);
             ClickRow(0, Qt::NoModifier);
             ClickRow(1, Qt::ShiftModifier);
             window_.view().Zoom(-9, 0);
         }},
        // The monitor at two playhead times.
        {0, [this] { window_.SetPlayhead(1000); }},
        {700, [this] { Save(QStringLiteral("monitor-1s.png")); }},
        {0, [this] { window_.SetPlayhead(3500); }},
        {700, [this] { Save(QStringLiteral("monitor-3.5s.png")); }},
        {0, [this] { window_.SetPlayhead(0); }},
        {0, [this] { SaveAudioDialogShots(window_, folder_); }},
        {0, [this] { SaveEditorShots(window_, folder_); }},
        {0, [this] { SaveImportShots(window_, folder_); }},
        {0, [this] { SaveMenuShots(window_, folder_); }},
        {0, [this] { SaveRecoveryShot(window_, folder_); }},
        {0,
         [this] {
             Key(Qt::Key_C, Qt::ControlModifier);
             ClickRow(0, Qt::NoModifier);
             Key(Qt::Key_V, Qt::ControlModifier);
             for (int i = 0; i < 40; ++i) Key(Qt::Key_Space);
             Key(Qt::Key_F3);
         }},
        {400, [this] { Save(QStringLiteral("main-window-edited.png")); }},
        {0,
         [this] {
             window_.SetMovieCreation(std::make_unique<StageWalk>());
             window_.RunCommand(CommandId::CreateMovie);
         }},
        {4600, [this] { Save(QStringLiteral("progress.png")); }},
        {0, [this] { window_.RunCommand(CommandId::Stop); }},
        {800,
         [this] {
             // The script leaves a movie beside the project; it plays as movie.mp4 would.
             const QString folder = QString::fromStdString(window_.view().document().folder());
             QFile::copy(folder + "/demo.mp4", folder + "/movie.mp4");
             window_.RefreshCommands();
             window_.RunCommand(CommandId::PlayMovie);
         }},
        {1500, [this] { Save(QStringLiteral("player.png")); }},
        {0, [this] { window_.RunCommand(CommandId::Stop); }},
        {500, [this] { Open(new GetReadyDlg(&window_)); }},
        {1300, [this] { Save(QStringLiteral("countdown.png"), dialog_); }},
        {0, [this] { CloseDialog(); }},
        {300, [this] { OpenRecordingDialog(); }},
        {500, [this] { Save(QStringLiteral("recording.png"), dialog_); }},
        {0, [this] { OpenCombineDialog(); }},
        {500, [this] { Save(QStringLiteral("combine-mp4.png"), dialog_); }},
        {0, [this] { static_cast<CombineDlg*>(dialog_)->SetJpgMode(true); }},
        {300, [this] { Save(QStringLiteral("combine-jpg.png"), dialog_); }},
        {0, [this] { CloseDialog(); }},
        {500, [] { QApplication::exit(0); }},
    };
    QTimer::singleShot(steps_.front().first, this, &ScreenshotTour::Next);
}

void ScreenshotTour::Next() {
    steps_[next_++].second();
    if (next_ < steps_.size()) QTimer::singleShot(steps_[next_].first, this, &ScreenshotTour::Next);
}

// The recording dialog over the virtual screen's windows, with two recording folders.
void ScreenshotTour::OpenRecordingDialog() {
    const Document& document = window_.view().document();
    (void)Sys::CreateEmptyRecordingFolder(document.folder(), "New screen recording");
    (void)Sys::CreateEmptyRecordingFolder(document.folder(), "Intro");
    if (grabber_.Connect().failed()) return;
    RecordingSettings settings;
    settings.outputFolder = "New screen recording";
    settings.left = 1;
    settings.top = 24;
    Open(new ScreenCaptureDlg(grabber_, document.folder(), document.properties.height, settings,
                              &window_));
}

void ScreenshotTour::OpenCombineDialog() {
    const std::string folder = window_.view().document().folder();
    CombineJob::Settings settings;
    settings.audioPath = folder + "/music.mp3";
    settings.videoPath = folder + "/movie.mp4";
    settings.outputPath = folder + "/movie with music.mp4";
    Open(new CombineDlg(settings, &window_));
}

void ScreenshotTour::Open(QDialog* dialog) {
    CloseDialog();
    dialog_ = dialog;
    dialog_->show();
}

// Hidden, not closed: the countdown refuses to be closed.
void ScreenshotTour::CloseDialog() {
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
    }
    dialog_ = nullptr;
}

// The picture is taken from the screen, so it shows what the display server shows.
void ScreenshotTour::Save(const QString& name, QWidget* widget) {
    if (!widget) widget = &window_;
    QScreen* screen = widget->screen();
    QPixmap picture = screen ? screen->grabWindow(widget->winId()) : QPixmap();
    if (picture.isNull()) picture = widget->grab();
    const QString path = QDir(folder_).filePath(name);
    std::printf("%s %s\n", picture.save(path) ? "saved" : "could not save",
                path.toLocal8Bit().constData());
    std::fflush(stdout);
}

void ScreenshotTour::ClickRow(int row, Qt::KeyboardModifiers modifiers) {
    DocumentView& view = window_.view();
    const QPointF point(40, row * view.rowHeight() + view.rowHeight() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, point, view.viewport()->mapToGlobal(point),
                      Qt::LeftButton, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, view.viewport()->mapToGlobal(point),
                        Qt::LeftButton, Qt::NoButton, modifiers);
    QCoreApplication::sendEvent(view.viewport(), &release);
}

// Presses the first row's right edge and drags it dx pixels, leaving the button down.
void ScreenshotTour::DragRightEdge(int dx) {
    DocumentView& view = window_.view();
    const MovieObject& first = view.document().objects.front();
    const int y = view.rowHeight() / 2;
    const QPointF from(view.geometry().XOfTime(first.end), y), to(from.x() + dx, y);
    QMouseEvent press(QEvent::MouseButtonPress, from, view.viewport()->mapToGlobal(from),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &press);
    QMouseEvent move(QEvent::MouseMove, to, view.viewport()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &move);
}

void ScreenshotTour::Key(int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&window_.view(), &press);
}
