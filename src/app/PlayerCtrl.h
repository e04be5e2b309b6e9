#pragma once

#include <string>

#include <QFrame>

// The area where the finished movie plays. Until the movie player is built in, nothing plays
// here: CanPlay() is false and the window stays in its editing mode.
class PlayerCtrl : public QFrame {
    Q_OBJECT

public:
    explicit PlayerCtrl(QWidget* parent = nullptr);

    bool CanPlay() const { return false; }
    // Starts playing the file; the window is told by a notice when playback ends.
    void Play(const std::string& path);
    void Stop();
    // Lets go of the played file, so that it can be deleted or replaced.
    void Release();
};
