#include "ColourWindow.h"

#include <X11/Xlib.h>

// A 24-bit screen takes 0xRRGGBB as the pixel value itself.
ColourWindow::ColourWindow(const char* title, int x, int y, int width, int height,
                           unsigned long rgb) {
    ::Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    const ::Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), x, y,
                                                unsigned(width), unsigned(height), 0, 0, rgb);
    XStoreName(display, window, title);
    XMapWindow(display, window);
    XSync(display, False);
    display_ = display;
}

ColourWindow::~ColourWindow() {
    if (display_) XCloseDisplay(static_cast<::Display*>(display_));
}
