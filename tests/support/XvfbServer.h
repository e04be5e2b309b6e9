#pragma once

#include <string>
#include <sys/types.h>

// A virtual X11 screen of its own for a test: starts Xvfb on a free display number, points
// DISPLAY at it and ends it again when the object goes.
class XvfbServer {
public:
    explicit XvfbServer(int width = 1280, int height = 720, int depth = 24);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // True when the server runs and DISPLAY names it.
    bool running() const { return pid_ > 0 && !display_.empty(); }
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_, previous_;
    bool hadPrevious_ = false;
};
