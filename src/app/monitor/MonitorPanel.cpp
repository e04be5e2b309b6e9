#include "app/monitor/MonitorPanel.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/monitor/MonitorView.h"
#include "audio/SoundtrackPlayback.h"
#include "project/Document.h"
#include "project/MovieFrameCount.h"

namespace {

constexpr int kFollowInterval = 250;  // ms between looks at the document
constexpr int kTickInterval = 5;      // ms between playback's looks at the sound clock

QColor Colour(uint32_t rgb) {
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

uint32_t LatestEnd(const std::vector<MovieObject>& objects) {
    uint32_t end = 0;
    for (const MovieObject& o : objects) end = std::max(end, o.end);
    return end;
}

}  // namespace

MonitorPanel::MonitorPanel(Document& document, QWidget* parent)
    : QWidget(parent),
      document_(document),
      view_(new MonitorView),
      play_(new QToolButton),
      time_(new QLabel),
      frameNumber_(new QLabel) {
    setObjectName(QStringLiteral("monitorPanel"));
    play_->setObjectName(QStringLiteral("play"));
    play_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    play_->setFocusPolicy(Qt::NoFocus);
    time_->setObjectName(QStringLiteral("monitorTime"));
    frameNumber_->setObjectName(QStringLiteral("monitorFrame"));
    auto* controls = new QHBoxLayout;
    controls->setContentsMargins(4, 2, 4, 2);
    controls->addWidget(play_);
    controls->addWidget(time_);
    controls->addStretch(1);
    controls->addWidget(frameNumber_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addLayout(controls);

    frames_ = std::make_unique<PreviewFrames>([this](PreviewFrames::Frame f) {
        // Handed to the window's thread; dropped by Qt when the panel is gone.
        QMetaObject::invokeMethod(
            this, [this, f = std::move(f)]() mutable { FrameArrived(std::move(f)); },
            Qt::QueuedConnection);
    });
    connect(view_, &MonitorView::resized, this, &MonitorPanel::RequestFrame);
    connect(view_, &MonitorView::keyPressed, this, &MonitorPanel::HandleKey);
    connect(play_, &QToolButton::clicked, this, [this] { playing_ ? Pause() : Play(); });
    follow_.setInterval(kFollowInterval);
    connect(&follow_, &QTimer::timeout, this, [this] { Refresh(); });
    follow_.start();
    tick_.setInterval(kTickInterval);
    tick_.setTimerType(Qt::PreciseTimer);
    connect(&tick_, &QTimer::timeout, this, &MonitorPanel::PlaybackTick);
    StopPlayback(false);
    Refresh();
}

MonitorPanel::~MonitorPanel() {
    tick_.stop();
    playback_.reset();
    frames_.reset();  // joins the worker before the panel goes
}

uint64_t MonitorPanel::newestRequest() const {
    return frames_->newest();
}

void MonitorPanel::Refresh(bool files) {
    const bool same = snapshot_ && !files && snapshot_->objects == document_.objects &&
                      snapshot_->properties == document_.properties &&
                      snapshot_->paths.folder() == document_.folder();
    if (same) return;
    auto snapshot = std::make_shared<PreviewSnapshot>();
    snapshot->revision = ++revision_;
    snapshot->objects = document_.objects;
    snapshot->properties = document_.properties;
    snapshot->paths = document_.paths();
    snapshot_ = std::move(snapshot);
    const uint8_t fps = snapshot_->properties.fps;
    playhead_.SetMovie(LatestEnd(snapshot_->objects), MovieFrameCount(snapshot_->objects, fps),
                       fps);
    view_->SetBackground(Colour(snapshot_->properties.backColor));
    UpdateLabels();
    emit playheadMoved(playhead_.time());
    RequestFrame();
}

void MonitorPanel::SetTime(uint32_t ms) {
    if (playing_) StopPlayback(false);
    Refresh();
    if (!playhead_.SetTime(ms) && shownRequest_ != 0) return;
    UpdateLabels();
    emit playheadMoved(playhead_.time());
    RequestFrame();
}

void MonitorPanel::RequestFrame() {
    if (!snapshot_) return;
    const QSize size =
        view_->PictureSize(snapshot_->properties.width, snapshot_->properties.height);
    if (size.isEmpty()) return;
    requested_ = std::chrono::steady_clock::now();
    (void)frames_->Post({snapshot_, playhead_.frame(), size.width(), size.height()});
}

void MonitorPanel::FrameArrived(PreviewFrames::Frame frame) {
    if (frame.id <= shownRequest_) return;
    if (!frame.picture) {
        emit message(QString::fromStdString(frame.error));
        return;
    }
    view_->ShowFrame(frame.picture);
    shownFrame_ = frame.frame;
    shownRequest_ = frame.id;
    if (frame.id >= playFirstRequest_ && frame.id <= playLastRequest_) ++framesShown_;
    if (frame.id == frames_->newest()) {
        latencies_.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - requested_)
                .count());
    }
    if (!frame.failures.empty()) {
        emit message(QString::fromStdString(frame.failures.front()));
    }
}

void MonitorPanel::UpdateLabels() {
    time_->setText(QString::fromStdString(playhead_.Text()));
    frameNumber_->setText(QStringLiteral("Frame %1").arg(playhead_.frame()));
}

void MonitorPanel::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Space) {
        playing_ ? Pause() : Play();
        return;
    }
    if (playing_) StopPlayback(false);
    const bool seconds = modifiers & Qt::ShiftModifier;
    const int step = key == Qt::Key_Left ? -1 : 1;
    bool moved = false;
    if (key == Qt::Key_Home) {
        moved = playhead_.Home();
    } else if (key == Qt::Key_End) {
        moved = playhead_.End();
    } else {
        moved = seconds ? playhead_.StepSeconds(step) : playhead_.StepFrames(step);
    }
    if (!moved) return;
    UpdateLabels();
    emit playheadMoved(playhead_.time());
    RequestFrame();
}

void MonitorPanel::Play(uint32_t until, int64_t back) {
    if (playing_) return;
    Refresh();
    if (until == 0 && playhead_.time() >= playhead_.length()) playhead_.Home();
    until_ = until == 0 ? playhead_.length() : std::min(until, playhead_.length());
    back_ = back;
    playback_ = std::make_unique<SoundtrackPlayback>(snapshot_->objects, snapshot_->properties,
                                                     snapshot_->paths.folder());
    if (!playback_->Start(playhead_.time() / 1000.0).empty()) {
        emit message(QStringLiteral("No sound device: playing without sound"));
    }
    playing_ = true;
    framesDue_ = framesShown_ = 0;
    firstFrame_ = playhead_.frame();
    playFirstRequest_ = frames_->newest() + 1;
    playLastRequest_ = UINT64_MAX;
    play_->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    play_->setText(QStringLiteral("Pause"));
    tick_.start();
}

void MonitorPanel::Pause() {
    StopPlayback(false);
}

void MonitorPanel::PlaybackTick() {
    if (playback_->LostDevice()) {
        emit message(QStringLiteral("The sound device stopped: playing on without sound"));
    }
    const double clock = playback_->Clock() * 1000.0;
    const uint32_t ms = clock >= until_ ? until_ : uint32_t(clock);
    const uint32_t before = playhead_.frame();
    playhead_.SetTime(ms);
    if (playhead_.frame() != before || ms >= until_) {
        framesDue_ = playhead_.frame() - firstFrame_;
        UpdateLabels();
        emit playheadMoved(playhead_.time());
        RequestFrame();
    }
    if (ms >= until_) StopPlayback(true);
}

void MonitorPanel::StopPlayback(bool returnBack) {
    tick_.stop();
    playback_.reset();
    if (playing_) playLastRequest_ = frames_->newest();
    playing_ = false;
    play_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    play_->setText(QStringLiteral("Play"));
    if (returnBack && back_ >= 0) {
        playhead_.SetTime(uint32_t(back_));
        UpdateLabels();
        emit playheadMoved(playhead_.time());
        RequestFrame();
    }
    back_ = -1;
}
