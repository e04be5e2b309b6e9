#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/Sys/Buffer.h"
#include "panelwick/Sys/Result.h"

namespace CG {
class DIBitmap;
}

// Grabs a rectangle of another program's window from the X11 screen: the list of windows a
// recording can follow, and one picture at a time as a JPG file or a bitmap. The capture size
// is fixed by Create and its buffers are reused for every picture, so a recording allocates
// nothing per picture but the encoder's output.
class ScreenGrabber {
public:
    // A window that can be recorded: its title and its X11 window id.
    struct Window {
        std::string title;
        unsigned long handle = 0;
    };

    static constexpr const char* kNoDisplay =
        "Screen recording needs an X11 display, and none could be opened. Start Reelwork in an "
        "X11 session, or with Xwayland running to record the windows it shows.";

    ScreenGrabber();
    ~ScreenGrabber();
    ScreenGrabber(const ScreenGrabber&) = delete;
    ScreenGrabber& operator=(const ScreenGrabber&) = delete;

    // Connects to the display that DISPLAY names, once; kNoDisplay when there is none.
    Sys::Result Connect();
    bool connected() const { return display_ != nullptr; }

    // Rebuilds the window list: top-level windows that are shown, have a title (of at most 255
    // characters kept) and are at least 100 x 100 pixels, topmost first.
    void CollectWindows();
    const std::vector<Window>& windows() const { return windows_; }

    // Prepares grabbing width x height pixels of the window; false when the buffers cannot be
    // had or there is no display. Releases what an earlier Create held.
    bool Create(unsigned long window, int width, int height);
    void Release();

    // Grabs the rectangle at (left, top) of the window's client area and writes it as a JPG of
    // the given quality, in pieces of at most 1024 bytes. False when nothing was created, the
    // screen does not keep 32 bits per pixel, or encoding or writing failed. Parts of the
    // rectangle that lie off the screen stay black.
    bool GrabToJpg(int left, int top, int quality, const std::string& path);
    // The same grab as a bottom-up 24-bit bitmap of width x height.
    bool GrabToBitmap(int left, int top, CG::DIBitmap& bitmap);

    int width() const { return width_; }
    int height() const { return height_; }

    // The width grabbed for a movie height: height x 16 / 9 + 0.5, truncated.
    static int CaptureWidth(int movieHeight) {
        return static_cast<int>(movieHeight * 16 / 9.0 + 0.5);
    }

private:
    struct DisplayCloser {
        void operator()(void* display) const;
    };

    // Reads the screen into pixels_ (4 bytes a pixel: blue, green, red, unused; top row first).
    bool Grab(int left, int top);
    // pixels_ as packed red, green, blue rows into rgb_.
    void ConvertToRgb();

    std::unique_ptr<void, DisplayCloser> display_;
    std::vector<Window> windows_;
    unsigned long source_ = 0;
    bool bits32_ = false;
    int width_ = 0, height_ = 0;
    std::unique_ptr<uint8_t[]> pixels_, rgb_;
    CG::JpegEncoder encoder_;
    Sys::Buffer output_;
};
