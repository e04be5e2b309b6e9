#include "app/player/PlayerCtrl.h"

#include <clocale>
#include <cstdio>

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <mpv/client.h>
#include <mpv/render.h>

#include "app/window/Reelwork.h"
#include "editing/Playhead.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Notice.h"

namespace {

// The player's threads only post these; the work happens on the window's thread.
QEvent::Type WakeupEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type FrameEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostWakeup(void* control) {
    QCoreApplication::postEvent(static_cast<QObject*>(control), new QEvent(WakeupEvent()));
}

void PostFrame(void* control) {
    QCoreApplication::postEvent(static_cast<QObject*>(control), new QEvent(FrameEvent()));
}

}  // namespace

PlayerCtrl::PlayerCtrl(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PlayerCtrl"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    BuildBar();
}

void PlayerCtrl::BuildBar() {
    bar_ = new QWidget(this);
    // The control paints opaquely; the bar paints its own background over it.
    bar_->setAutoFillBackground(true);
    pause_ = new QToolButton;
    pause_->setObjectName(QStringLiteral("pause"));
    pause_->setFocusPolicy(Qt::NoFocus);
    pause_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    seek_ = new QSlider(Qt::Horizontal);
    seek_->setObjectName(QStringLiteral("seek"));
    seek_->setFocusPolicy(Qt::NoFocus);
    time_ = new QLabel;
    time_->setObjectName(QStringLiteral("playerTime"));
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(pause_);
    row->addWidget(seek_, 1);
    row->addWidget(time_);
    connect(pause_, &QToolButton::clicked, this, &PlayerCtrl::TogglePause);
    // Dragging the handle or clicking the groove seeks to its time.
    connect(seek_, &QSlider::sliderMoved, this, [this](int ms) { SeekTo(ms / 1000.0); });
    connect(seek_, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove) SeekTo(seek_->sliderPosition() / 1000.0);
    });
    UpdateBar();
}

QRect PlayerCtrl::VideoRect() const {
    QRect area = contentsRect();
    area.setBottom(area.bottom() - bar_->sizeHint().height());
    return area;
}

void PlayerCtrl::UpdateBar() {
    pause_->setIcon(style()->standardIcon(paused_ ? QStyle::SP_MediaPlay : QStyle::SP_MediaPause));
    pause_->setText(paused_ ? QStringLiteral("Resume") : QStringLiteral("Pause"));
    pause_->setEnabled(mpv_ != nullptr);
    seek_->setEnabled(mpv_ != nullptr && duration_ > 0);
    seek_->setRange(0, int(duration_ * 1000));
    if (!seek_->isSliderDown()) seek_->setValue(int(position_ * 1000));
    time_->setText(QString::fromStdString(Playhead::TimeText(uint32_t(position_ * 1000)) + " / " +
                                          Playhead::TimeText(uint32_t(duration_ * 1000))));
}

void PlayerCtrl::TogglePause() {
    if (!mpv_) return;
    int flag = paused_ ? 0 : 1;
    if (mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &flag) >= 0) paused_ = flag != 0;
    UpdateBar();
}

void PlayerCtrl::SeekTo(double seconds) {
    if (!mpv_ || !itemLoaded_) return;
    const std::string target = std::to_string(seconds);
    const char* command[] = {"seek", target.c_str(), "absolute", nullptr};
    (void)mpv_command_async(mpv_, 0, command);
}

void PlayerCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        TogglePause();
    } else if (event->key() == Qt::Key_Escape) {
        Stop();
    } else {
        QFrame::keyPressEvent(event);
    }
}

PlayerCtrl::~PlayerCtrl() {
    ShutDown();
}

void PlayerCtrl::ShutDown() {
    if (render_) mpv_render_context_free(render_);
    render_ = nullptr;
    if (mpv_) mpv_terminate_destroy(mpv_);
    mpv_ = nullptr;
    hasVideo_ = itemLoaded_ = false;
    position_ = duration_ = 0.0;
    paused_ = false;
    frame_ = QImage();
    if (bar_) UpdateBar();
    update();
}

void PlayerCtrl::ShowCallError(int error, const char* call, int line) {
    char text[1024];
    std::snprintf(text, sizeof text, "%s\r\n%s\r\n%s(%d)", mpv_error_string(error), call,
                  "PlayerCtrl", line);
    Win::MessageBox::ShowError(this, text);
}

void PlayerCtrl::Play(const std::string& path) {
    ShutDown();
    // The player reads numbers in options with the C library, which must not use a comma.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (!mpv_) {
        ShowCallError(MPV_ERROR_NOMEM, "mpv_create()", __LINE__);
        return;
    }
    mpv_set_option_string(mpv_, "vo", "libmpv");
    mpv_set_option_string(mpv_, "idle", "yes");
    mpv_set_option_string(mpv_, "keep-open", "no");
    mpv_set_option_string(mpv_, "terminal", "no");
    mpv_set_option_string(mpv_, "input-default-bindings", "no");
    mpv_set_option_string(mpv_, "audio-display", "no");
    // Without a sound device the movie still plays, silently, and ends as usual.
    mpv_set_option_string(mpv_, "audio-fallback-to-null", "yes");
    if (const int error = mpv_initialize(mpv_); error < 0) {
        ShowCallError(error, "mpv_initialize(mpv_)", __LINE__);
        ShutDown();
        return;
    }
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (const int error = mpv_render_context_create(&render_, mpv_, params); error < 0) {
        render_ = nullptr;
        ShowCallError(error, "mpv_render_context_create(&render_, mpv_, params)", __LINE__);
        ShutDown();
        return;
    }
    mpv_render_context_set_update_callback(render_, &PostFrame, this);
    mpv_observe_property(mpv_, 0, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_observe_property(mpv_, 0, "duration", MPV_FORMAT_DOUBLE);
    mpv_set_wakeup_callback(mpv_, &PostWakeup, this);
    const char* command[] = {"loadfile", path.c_str(), nullptr};
    if (const int error = mpv_command(mpv_, command); error < 0) {
        ShowCallError(error, "mpv_command(mpv_, {\"loadfile\", path})", __LINE__);
        return;
    }
    itemLoaded_ = true;
    UpdateBar();
    setFocus();
}

// A player without an item (after "Playback error") has nothing to stop; the window is told
// at once that playback is over.
void PlayerCtrl::Stop() {
    if (mpv_ && itemLoaded_) {
        const char* command[] = {"stop", nullptr};
        if (mpv_command(mpv_, command) >= 0) return;
    }
    EndOfItem();
}

void PlayerCtrl::EndOfItem() {
    itemLoaded_ = false;
    hasVideo_ = false;
    update();
    if (receiver_) Win::PostNotice(receiver_, Reelwork::kPlaybackEndNotice);
}

bool PlayerCtrl::event(QEvent* event) {
    if (event->type() == WakeupEvent()) {
        HandleEvents();
        return true;
    }
    if (event->type() == FrameEvent()) {
        if (render_ && (mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME)) {
            RenderFrame();
        }
        return true;
    }
    return QFrame::event(event);
}

// A message box shown here runs its own event loop; wake-ups arriving meanwhile leave their
// events queued for the loop below.
void PlayerCtrl::HandleEvents() {
    if (handlingEvents_) return;
    handlingEvents_ = true;
    while (mpv_) {
        mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE) break;
        if (event->event_id == MPV_EVENT_PROPERTY_CHANGE) {
            const auto* change = static_cast<const mpv_event_property*>(event->data);
            if (change->format == MPV_FORMAT_DOUBLE && change->data) {
                const double value = *static_cast<const double*>(change->data);
                (std::string(change->name) == "duration" ? duration_ : position_) = value;
                UpdateBar();
            }
            continue;
        }
        if (event->event_id == MPV_EVENT_VIDEO_RECONFIG && itemLoaded_) {
            // Also sent when the video output closes at the end; the item is over by then.
            char* video = mpv_get_property_string(mpv_, "vid");
            hasVideo_ = video && std::string(video) != "no";
            mpv_free(video);
            RenderFrame();
        } else if (event->event_id == MPV_EVENT_END_FILE) {
            const auto* end = static_cast<const mpv_event_end_file*>(event->data);
            if (end->reason == MPV_END_FILE_REASON_ERROR) {
                itemLoaded_ = hasVideo_ = false;
                update();
                Win::MessageBox::ShowError(this, "Playback error");
            } else if (end->reason == MPV_END_FILE_REASON_EOF ||
                       end->reason == MPV_END_FILE_REASON_STOP) {
                EndOfItem();
            }
        }
    }
    handlingEvents_ = false;
}

void PlayerCtrl::RenderFrame() {
    if (!render_) return;
    const qreal ratio = devicePixelRatioF();
    const QSize size = VideoRect().size() * ratio;
    if (size.isEmpty()) return;
    if (frame_.size() != size) frame_ = QImage(size, QImage::Format_RGBX8888);
    int surface[2] = {size.width(), size.height()};
    size_t stride = size_t(frame_.bytesPerLine());
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, surface},
        {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>("rgb0")},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, frame_.bits()},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(render_, params) >= 0) {
        frame_.setDevicePixelRatio(ratio);
        update();
    }
}

void PlayerCtrl::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const QRect area = contentsRect();
    const int barHeight = bar_->sizeHint().height();
    bar_->setGeometry(area.left(), area.bottom() + 1 - barHeight, area.width(), barHeight);
    if (hasVideo_) RenderFrame();
}

void PlayerCtrl::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const QRect area = VideoRect();
        if (mpv_ && hasVideo_ && !frame_.isNull()) {
            painter.drawImage(area.topLeft(), frame_);
        } else {
            painter.fillRect(area, palette().color(QPalette::Base));
        }
    }
    QFrame::paintEvent(event);
}
