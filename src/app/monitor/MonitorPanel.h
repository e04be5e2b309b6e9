#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include <QTimer>
#include <QWidget>

#include "editing/Playhead.h"
#include "production/PreviewFrames.h"
#include "production/PreviewSnapshot.h"

class Document;
class MonitorView;
class QLabel;
class QToolButton;
class SoundtrackPlayback;

// The monitor: the movie's frame at the playhead, the time "M:SS.f / M:SS.f" and the frame
// number under it, and the Play/Pause button. Frames come from the preview engine's worker;
// the panel only asks for them and paints them. It follows the document by comparing it with
// the copy it last showed (after every command and on a short timer), so every change shows.
//
// Playback runs the live soundtrack through the sound device; each tick shows the frame of
// the sound's clock, so frames are dropped, never slowed, when composing falls behind.
class MonitorPanel : public QWidget {
    Q_OBJECT

public:
    explicit MonitorPanel(Document& document, QWidget* parent = nullptr);
    ~MonitorPanel() override;

    MonitorView& view() { return *view_; }
    const Playhead& playhead() const { return playhead_; }
    // Moves the playhead and shows its frame.
    void SetTime(uint32_t ms);
    // Shows the document again when it differs from what is shown; `files` also looks at the
    // objects' files on disk again.
    void Refresh(bool files = false);
    // Plays from the playhead to `until` ms (the movie's end when 0); returning to `back` ms
    // afterwards when it is set.
    void Play(uint32_t until = 0, int64_t back = -1);
    void Pause();
    bool playing() const { return playing_; }
    // The frame number the monitor shows (after it was painted), and the newest asked for.
    uint32_t shownFrame() const { return shownFrame_; }
    uint64_t shownRequest() const { return shownRequest_; }
    uint64_t newestRequest() const;
    // Playback's statistics since it started: the frames it moved to after the first, and how
    // many of them were painted.
    uint32_t framesDue() const { return framesDue_; }
    uint32_t framesShown() const { return framesShown_; }
    // Scrubbing latency: milliseconds from request to painted frame, one per painted frame.
    const std::vector<double>& latencies() const { return latencies_; }

signals:
    void playheadMoved(uint32_t ms);
    // A message for the status bar.
    void message(const QString& text);

private:
    void RequestFrame();
    void FrameArrived(PreviewFrames::Frame frame);
    void UpdateLabels();
    void HandleKey(int key, Qt::KeyboardModifiers modifiers);
    void PlaybackTick();
    void StopPlayback(bool returnBack);

    Document& document_;
    MonitorView* view_;
    QToolButton* play_;
    QLabel* time_;
    QLabel* frameNumber_;
    Playhead playhead_;
    std::shared_ptr<PreviewSnapshot> snapshot_;
    uint64_t revision_ = 0;
    std::unique_ptr<PreviewFrames> frames_;
    QTimer follow_;
    uint32_t shownFrame_ = 0;
    uint64_t shownRequest_ = 0;
    std::chrono::steady_clock::time_point requested_{};
    std::vector<double> latencies_;
    // Playback.
    std::unique_ptr<SoundtrackPlayback> playback_;
    QTimer tick_;
    bool playing_ = false;
    uint32_t until_ = 0;
    int64_t back_ = -1;
    uint32_t framesDue_ = 0, framesShown_ = 0;
    uint32_t firstFrame_ = 0;
    // The requests playback made: from the first to the last (the newest while it plays).
    uint64_t playFirstRequest_ = 0, playLastRequest_ = 0;
};
