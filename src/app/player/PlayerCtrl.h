#pragma once

#include <string>

#include <QFrame>
#include <QImage>

struct mpv_handle;
struct mpv_render_context;

// The area where the finished movie plays, over libmpv. Its software renderer draws each
// frame into an image that this control paints, which works on every display and without
// one. The player reports to its notice receiver (the main window) when playback stopped or
// ended; a file it cannot play gives "Playback error" and no notice.
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

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
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
};
