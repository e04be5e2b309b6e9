#include "video/ScreenGrabber.h"

#include <algorithm>
#include <cstring>
#include <new>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "panelwick/CG/DIBitmap.h"

namespace {

// Xlib reports protocol errors through one process-wide handler whose default ends the
// program. Windows may vanish at any moment, so our requests run with a handler that only
// notes the error; the one that was installed before comes back afterwards.
class IgnoreXErrors {
public:
    explicit IgnoreXErrors(::Display* display) : display_(display) {
        XSync(display_, False);
        failed_ = false;
        previous_ = XSetErrorHandler(&Note);
    }
    ~IgnoreXErrors() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoreXErrors(const IgnoreXErrors&) = delete;
    IgnoreXErrors& operator=(const IgnoreXErrors&) = delete;

    // True when a request since the start (or the last call) failed.
    bool Failed() {
        XSync(display_, False);
        const bool failed = failed_;
        failed_ = false;
        return failed;
    }

private:
    static int Note(::Display*, XErrorEvent*) {
        failed_ = true;
        return 0;
    }

    static inline bool failed_ = false;
    ::Display* display_;
    XErrorHandler previous_;
};

// A property of 32-bit items (windows, cardinals) as a list; empty when it is missing.
std::vector<unsigned long> ListProperty(::Display* display, ::Window window, const char* name,
                                        Atom type) {
    std::vector<unsigned long> items;
    Atom actualType;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1 << 16, False,
                           type, &actualType, &format, &count, &after, &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data) XFree(data);
    return items;
}

bool HasProperty(::Display* display, ::Window window, Atom property) {
    Atom actualType = None;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, property, 0, 0, False, AnyPropertyType, &actualType,
                       &format, &count, &after, &data);
    if (data) XFree(data);
    return actualType != None;
}

// The window carrying WM_STATE below the given one, searched from the top of each stack.
::Window FindClient(::Display* display, ::Window window, Atom wmState, int depth) {
    ::Window root, parent, *children = nullptr;
    unsigned int count = 0;
    ::Window found = None;
    if (depth < 4 && XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = count; i-- > 0 && found == None;) {
            found = HasProperty(display, children[i], wmState)
                        ? children[i]
                        : FindClient(display, children[i], wmState, depth + 1);
        }
    }
    if (children) XFree(children);
    return found;
}

// The application window inside a window manager's frame; the window itself when it is not a
// frame (as when no window manager runs).
::Window ClientWindow(::Display* display, ::Window frame, Atom wmState) {
    if (HasProperty(display, frame, wmState)) return frame;
    const ::Window client = FindClient(display, frame, wmState, 0);
    return client != None ? client : frame;
}

// Top-level windows from the bottom of the stack to its top. A window manager that keeps the
// standard stacking list names the application windows itself; otherwise the children of the
// root are taken, each replaced by the application window in it.
std::vector<::Window> StackedWindows(::Display* display) {
    const ::Window root = DefaultRootWindow(display);
    std::vector<::Window> windows;
    for (unsigned long w : ListProperty(display, root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW)) {
        windows.push_back(w);
    }
    if (!windows.empty()) return windows;
    ::Window rootReturn, parent, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
        const Atom wmState = XInternAtom(display, "WM_STATE", False);
        for (unsigned int i = 0; i < count; ++i) {
            windows.push_back(ClientWindow(display, children[i], wmState));
        }
    }
    if (children) XFree(children);
    return windows;
}

// At most 255 characters of UTF-8 text.
std::string LimitTitle(std::string title) {
    size_t characters = 0;
    for (size_t i = 0; i < title.size(); ++i) {
        if ((static_cast<unsigned char>(title[i]) & 0xC0) == 0x80) continue;
        if (++characters > 255) {
            title.resize(i);
            break;
        }
    }
    return title;
}

// The window's title: the UTF-8 name of the desktop standard, else WM_NAME.
std::string WindowTitle(::Display* display, ::Window window) {
    std::string title;
    Atom actualType;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024,
                           False, XInternAtom(display, "UTF8_STRING", False), &actualType, &format,
                           &count, &after, &data) == Success &&
        data && format == 8) {
        title.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data) XFree(data);
    if (title.empty()) {
        XTextProperty text{};
        if (XGetWMName(display, window, &text) && text.value) {
            char** list = nullptr;
            int n = 0;
            if (Xutf8TextPropertyToTextList(display, &text, &list, &n) >= Success && list) {
                if (n > 0 && list[0]) title = list[0];
                XFreeStringList(list);
            }
            XFree(text.value);
        }
    }
    return LimitTitle(std::move(title));
}

// The shift that brings a colour mask's lowest bit to bit 0, and whether 8 bits follow it.
bool ByteMask(unsigned long mask, int& shift) {
    shift = 0;
    while (shift < 32 && !(mask & (1ul << shift))) ++shift;
    return shift < 32 && (mask >> shift) == 0xFF;
}

// True when the screen keeps 32 bits per pixel with one byte per colour.
bool ScreenHas32Bits(::Display* display) {
    const int screen = DefaultScreen(display);
    const Visual* visual = DefaultVisual(display, screen);
    int shift;
    if (!ByteMask(visual->red_mask, shift) || !ByteMask(visual->green_mask, shift) ||
        !ByteMask(visual->blue_mask, shift)) {
        return false;
    }
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    bool bits32 = false;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == DefaultDepth(display, screen)) {
            bits32 = formats[i].bits_per_pixel == 32;
        }
    }
    if (formats) XFree(formats);
    return bits32;
}

}  // namespace

void ScreenGrabber::DisplayCloser::operator()(void* display) const {
    XCloseDisplay(static_cast<::Display*>(display));
}

ScreenGrabber::ScreenGrabber() = default;

ScreenGrabber::~ScreenGrabber() = default;

Sys::Result ScreenGrabber::Connect() {
    if (display_) return {};
    display_.reset(XOpenDisplay(nullptr));
    return display_ ? Sys::Result() : Sys::Result(kNoDisplay);
}

void ScreenGrabber::CollectWindows() {
    windows_.clear();
    auto* display = static_cast<::Display*>(display_.get());
    if (!display) return;
    IgnoreXErrors guard(display);
    const std::vector<::Window> stack = StackedWindows(display);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, *it, &attributes) || guard.Failed()) continue;
        if (attributes.map_state != IsViewable || attributes.width < 100 ||
            attributes.height < 100) {
            continue;
        }
        std::string title = WindowTitle(display, *it);
        if (guard.Failed() || title.empty()) continue;
        windows_.push_back({std::move(title), *it});
    }
}

void ScreenGrabber::Release() {
    pixels_.reset();
    rgb_.reset();
    source_ = 0;
    width_ = height_ = 0;
}

bool ScreenGrabber::Create(unsigned long window, int width, int height) {
    Release();
    if (!display_ || width <= 0 || height <= 0) return false;
    const size_t pixels = size_t(width) * size_t(height);
    pixels_.reset(new (std::nothrow) uint8_t[pixels * 4]());
    rgb_.reset(new (std::nothrow) uint8_t[pixels * 3]);
    if (!pixels_ || !rgb_) {
        Release();
        return false;
    }
    source_ = window;
    bits32_ = ScreenHas32Bits(static_cast<::Display*>(display_.get()));
    width_ = width;
    height_ = height;
    return true;
}

// The screen itself is read, so whatever covers the window shows, as it does on the screen.
// A window that vanished leaves the previous picture in place.
bool ScreenGrabber::Grab(int left, int top) {
    auto* display = static_cast<::Display*>(display_.get());
    if (!display || !pixels_ || !bits32_) return false;
    const int screen = DefaultScreen(display);
    const ::Window root = RootWindow(display, screen);
    IgnoreXErrors guard(display);
    int x = 0, y = 0;
    ::Window child;
    if (!XTranslateCoordinates(display, source_, root, left, top, &x, &y, &child) ||
        guard.Failed()) {
        return true;
    }
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + width_, DisplayWidth(display, screen));
    const int y1 = std::min(y + height_, DisplayHeight(display, screen));
    if (x1 <= x0 || y1 <= y0) return true;
    XImage* image =
        XGetImage(display, root, x0, y0, unsigned(x1 - x0), unsigned(y1 - y0), AllPlanes, ZPixmap);
    if (guard.Failed() || !image) {
        if (image) XDestroyImage(image);
        return true;
    }
    int red = 0, green = 0, blue = 0;
    const bool ok = image->bits_per_pixel == 32 && ByteMask(image->red_mask, red) &&
                    ByteMask(image->green_mask, green) && ByteMask(image->blue_mask, blue);
    for (int row = 0; ok && row < image->height; ++row) {
        const auto* source = reinterpret_cast<const uint8_t*>(image->data) +
                             size_t(row) * size_t(image->bytes_per_line);
        uint8_t* target = pixels_.get() + (size_t(y0 - y + row) * width_ + (x0 - x)) * 4;
        for (int i = 0; i < image->width; ++i, source += 4, target += 4) {
            const uint32_t p = image->byte_order == LSBFirst
                                   ? uint32_t(source[0]) | uint32_t(source[1]) << 8 |
                                         uint32_t(source[2]) << 16 | uint32_t(source[3]) << 24
                                   : uint32_t(source[3]) | uint32_t(source[2]) << 8 |
                                         uint32_t(source[1]) << 16 | uint32_t(source[0]) << 24;
            target[0] = uint8_t(p >> blue);
            target[1] = uint8_t(p >> green);
            target[2] = uint8_t(p >> red);
        }
    }
    XDestroyImage(image);
    return true;
}

void ScreenGrabber::ConvertToRgb() {
    const uint8_t* source = pixels_.get();
    uint8_t* target = rgb_.get();
    for (size_t i = 0, n = size_t(width_) * size_t(height_); i < n; ++i) {
        target[0] = source[2];
        target[1] = source[1];
        target[2] = source[0];
        source += 4;
        target += 3;
    }
}

bool ScreenGrabber::GrabToJpg(int left, int top, int quality, const std::string& path) {
    if (!Grab(left, top)) return false;
    ConvertToRgb();
    output_.Clear();
    if (!encoder_.EncodeRGB(rgb_.get(), width_, height_, true, quality, output_)) return false;
    return output_.SaveToFile(path);
}

bool ScreenGrabber::GrabToBitmap(int left, int top, CG::DIBitmap& bitmap) {
    if (!Grab(left, top) || !bitmap.Create(24, 0, width_, height_, true)) return false;
    for (int y = 0; y < height_; ++y) {
        const uint8_t* source = pixels_.get() + size_t(y) * width_ * 4;
        uint8_t* target = bitmap.Row(y);
        for (int x = 0; x < width_; ++x, source += 4, target += 3) {
            std::memcpy(target, source, 3);
        }
    }
    return true;
}
