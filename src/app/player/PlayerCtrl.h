#pragma once

#include <string>

#include <QFrame>
#include <QImage>

struct mpv_handle;
struct mpv_render_context;
class QLabel;
class QSlider;
class QToolButton;

// The area where the finished movie plays, over libmpv. Its software renderer draws each
// frame into an image that this control paints, which works on every display and without
// one. The player reports to its notice receiver (the main window) when playback stopped or
// ended; a file it cannot play gives "Playback error" and no notice. Under the picture a bar
// holds Pause/Resume, a seek bar and the time; Space pauses and resumes, Escape stops.
class PlayerCtrl : public QFrame {
    Q_OBJECT

public:
    explicit PlayerCtrl(QWidget* parent = nullptr);
    ~PlayerCtrl() override;

    // The window told when playback has stopped or ended.
    void SetNoticeReceiver(QObject* receiver) { receiver_ = receiver; }
    // Shuts down any player running and starts playing the file.
    void Play(const std::string& path);
    // Stops playback; the end is reported as for the end of the movie.
    void Stop();
    // Lets go of the played file, so that it can be deleted or replaced.
    void Release() { ShutDown(); }

    bool HasPlayer() const { return mpv_ != nullptr; }
    bool HasVideo() const { return hasVideo_; }
    // The last frame drawn (empty before the first).
    const QImage& frame() const { return frame_; }
    // Pauses or resumes.
    void TogglePause();
    bool paused() const { return paused_; }
    // Moves playback to a time of the movie.
    void SeekTo(double seconds);
    // Seconds played and the movie's duration, as the player last reported them.
    double position() const { return position_; }
    double duration() const { return duration_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The picture's area: the contents above the bar.
    QRect VideoRect() const;
    void BuildBar();
    void UpdateBar();
    void ShutDown();
    // Reads every event the player has queued.
    void HandleEvents();
    void RenderFrame();
    void EndOfItem();
    // A failed player call as a message: the player's error text, the call, where it is.
    void ShowCallError(int error, const char* call, int line);

    mpv_handle* mpv_ = nullptr;
    mpv_render_context* render_ = nullptr;
    QObject* receiver_ = nullptr;
    QImage frame_;
    bool hasVideo_ = false;
    bool itemLoaded_ = false;
    bool handlingEvents_ = false;
    QWidget* bar_ = nullptr;
    QToolButton* pause_ = nullptr;
    QSlider* seek_ = nullptr;
    QLabel* time_ = nullptr;
    double position_ = 0.0, duration_ = 0.0;
    bool paused_ = false;
};
