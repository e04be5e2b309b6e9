#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>
// clang-format off
// Xlib after the test framework: its None and Bool macros would break the framework's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
// clang-format on
#include <turbojpeg.h>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/Sys/FileSystem.h"
#include "support/TempDir.h"
#include "support/XvfbServer.h"
#include "video/ScreenGrabber.h"

namespace {

// Windows drawn by the X server itself: a top-level window filled with one colour and,
// optionally, a child covering its right part with another.
class TestWindows {
public:
    TestWindows() : display_(XOpenDisplay(nullptr)) {}
    ~TestWindows() {
        if (display_) XCloseDisplay(display_);
    }

    ::Display* display() { return display_; }

    ::Window Add(const char* title, int x, int y, int width, int height, unsigned long rgb,
                 bool map = true) {
        const ::Window window =
            XCreateSimpleWindow(display_, DefaultRootWindow(display_), x, y, unsigned(width),
                                unsigned(height), 0, 0, Pixel(rgb));
        if (title) XStoreName(display_, window, title);
        if (map) XMapWindow(display_, window);
        XSync(display_, False);
        return window;
    }
    // The desktop standard's UTF-8 title beside WM_NAME.
    void SetUtf8Title(::Window window, const char* title) {
        XChangeProperty(display_, window, XInternAtom(display_, "_NET_WM_NAME", False),
                        XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title), int(strlen(title)));
        XSync(display_, False);
    }
    ::Window AddChild(::Window parent, int x, int y, int width, int height, unsigned long rgb) {
        const ::Window child = XCreateSimpleWindow(display_, parent, x, y, unsigned(width),
                                                   unsigned(height), 0, 0, Pixel(rgb));
        XMapWindow(display_, child);
        XSync(display_, False);
        return child;
    }
    // Marks a window as an application window, as a window manager does.
    void SetWmState(::Window window) {
        const long state[2] = {1, 0};
        const Atom wmState = XInternAtom(display_, "WM_STATE", False);
        XChangeProperty(display_, window, wmState, wmState, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(state), 2);
        XSync(display_, False);
    }

private:
    // The pixel value of a 0xRRGGBB colour on the default visual.
    unsigned long Pixel(unsigned long rgb) {
        XColor colour{};
        colour.red = uint16_t(((rgb >> 16) & 0xFF) * 257);
        colour.green = uint16_t(((rgb >> 8) & 0xFF) * 257);
        colour.blue = uint16_t((rgb & 0xFF) * 257);
        XAllocColor(display_, DefaultColormap(display_, DefaultScreen(display_)), &colour);
        return colour.pixel;
    }

    ::Display* display_;
};

struct Rgb {
    int r, g, b;
};

// Decodes a JPG file into packed RGB.
bool DecodeJpg(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgb) {
    std::string bytes;
    if (!Sys::ReadWholeFile(path, bytes)) return false;
    tjhandle handle = tjInitDecompress();
    int subsampling, colourspace;
    bool ok = tjDecompressHeader3(handle, reinterpret_cast<const unsigned char*>(bytes.data()),
                                  bytes.size(), &width, &height, &subsampling, &colourspace) == 0;
    if (ok) {
        rgb.resize(size_t(width) * height * 3);
        ok = tjDecompress2(handle, reinterpret_cast<const unsigned char*>(bytes.data()),
                           bytes.size(), rgb.data(), width, 0, height, TJPF_RGB, 0) == 0;
    }
    tjDestroy(handle);
    return ok;
}

void ExpectNear(Rgb actual, Rgb expected, const char* where) {
    EXPECT_NEAR(actual.r, expected.r, 6) << where;
    EXPECT_NEAR(actual.g, expected.g, 6) << where;
    EXPECT_NEAR(actual.b, expected.b, 6) << where;
}

}  // namespace

TEST(ScreenGrabber, CaptureWidthRoundsSixteenNinths) {
    EXPECT_EQ(ScreenGrabber::CaptureWidth(240), 427);
    EXPECT_EQ(ScreenGrabber::CaptureWidth(90), 160);
    EXPECT_EQ(ScreenGrabber::CaptureWidth(270), 480);
    EXPECT_EQ(ScreenGrabber::CaptureWidth(1080), 1920);
    EXPECT_EQ(ScreenGrabber::CaptureWidth(1440), 2560);
}

TEST(ScreenGrabber, WithoutADisplaySaysSo) {
    const char* saved = std::getenv("DISPLAY");
    const std::string previous = saved ? saved : "";
    setenv("DISPLAY", ":4321", 1);  // no server there
    ScreenGrabber grabber;
    EXPECT_EQ(grabber.Connect().message(), ScreenGrabber::kNoDisplay);
    EXPECT_FALSE(grabber.Create(1, 160, 90));
    grabber.CollectWindows();
    EXPECT_TRUE(grabber.windows().empty());
    if (saved) {
        setenv("DISPLAY", previous.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}

// One virtual screen serves the listing, both kinds of grab and the JPG file.
TEST(ScreenGrabber, ListsAndGrabsWindowsOnAVirtualScreen) {
    XvfbServer server;
    ASSERT_TRUE(server.running());
    TestWindows x;
    ASSERT_TRUE(x.display());
    const ::Window first = x.Add("First window", 20, 20, 300, 200, 0x00FF00);
    x.SetUtf8Title(first, "Premi\xC3\xA8re");
    x.Add("Too narrow", 10, 10, 99, 300, 0xFFFFFF);
    x.Add("Too low", 10, 10, 300, 99, 0xFFFFFF);
    x.Add(nullptr, 10, 10, 300, 300, 0xFFFFFF);
    x.Add("Hidden", 10, 10, 300, 300, 0xFFFFFF, false);
    const ::Window colours = x.Add("Colour test \xE9", 100, 80, 400, 300, 0xC02010);
    x.AddChild(colours, 200, 0, 200, 300, 0x1030D0);

    ScreenGrabber grabber;
    ASSERT_TRUE(grabber.Connect().ok());
    grabber.CollectWindows();
    ASSERT_EQ(grabber.windows().size(), 2u);
    EXPECT_EQ(grabber.windows()[0].title, "Colour test \xC3\xA9");  // the topmost comes first
    EXPECT_EQ(grabber.windows()[0].handle, colours);
    EXPECT_EQ(grabber.windows()[1].title, "Premi\xC3\xA8re");
    EXPECT_EQ(grabber.windows()[1].handle, first);

    // 320 x 180 from (10, 20) of the window: red up to x = 190, blue after it.
    ASSERT_TRUE(grabber.Create(colours, ScreenGrabber::CaptureWidth(180), 180));
    CG::DIBitmap bitmap;
    ASSERT_TRUE(grabber.GrabToBitmap(10, 20, bitmap));
    EXPECT_EQ(bitmap.width(), 320);
    EXPECT_EQ(bitmap.height(), 180);
    EXPECT_EQ(bitmap.bitsPerPixel(), 24);
    EXPECT_TRUE(bitmap.bottomUp());
    const uint8_t* top = bitmap.Row(0);
    EXPECT_EQ(top[0], 0x10);  // blue, green, red
    EXPECT_EQ(top[1], 0x20);
    EXPECT_EQ(top[2], 0xC0);
    const uint8_t* right = bitmap.Row(179) + 319 * 3;
    EXPECT_EQ(right[0], 0xD0);
    EXPECT_EQ(right[1], 0x30);
    EXPECT_EQ(right[2], 0x10);
    EXPECT_EQ(bitmap.Row(90)[189 * 3 + 2], 0xC0);
    EXPECT_EQ(bitmap.Row(90)[190 * 3 + 2], 0x10);

    TempDir dir;
    ASSERT_TRUE(grabber.GrabToJpg(10, 20, 90, dir / "00000000.jpg"));
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    ASSERT_TRUE(DecodeJpg(dir / "00000000.jpg", width, height, rgb));
    ASSERT_EQ(width, 320);
    ASSERT_EQ(height, 180);
    auto at = [&](int px, int py) {
        const uint8_t* p = &rgb[(size_t(py) * width + px) * 3];
        return Rgb{p[0], p[1], p[2]};
    };
    ExpectNear(at(40, 90), {0xC0, 0x20, 0x10}, "red part");
    ExpectNear(at(280, 90), {0x10, 0x30, 0xD0}, "blue part");

    // A grab reaching past the screen's edge keeps black there.
    ASSERT_TRUE(grabber.Create(colours, 1280, 720));
    ASSERT_TRUE(grabber.GrabToBitmap(0, 0, bitmap));
    EXPECT_EQ(bitmap.Row(719)[1279 * 3 + 2], 0);
    EXPECT_EQ(bitmap.Row(0)[2], 0xC0);

    // A window that went away leaves the last picture.
    ASSERT_TRUE(grabber.Create(colours, 160, 90));
    ASSERT_TRUE(grabber.GrabToBitmap(0, 0, bitmap));
    XDestroyWindow(x.display(), colours);
    XSync(x.display(), False);
    ASSERT_TRUE(grabber.GrabToBitmap(0, 0, bitmap));
    EXPECT_EQ(bitmap.Row(0)[2], 0xC0);
    grabber.CollectWindows();
    EXPECT_EQ(grabber.windows().size(), 1u);
}

// Under a window manager the root holds frames; the titled window inside one is listed.
TEST(ScreenGrabber, FindsApplicationWindowsInsideFrames) {
    XvfbServer server(640, 480);
    ASSERT_TRUE(server.running());
    TestWindows x;
    const ::Window frame = x.Add(nullptr, 0, 0, 320, 240, 0x000000);
    const ::Window decoration = x.AddChild(frame, 0, 0, 320, 20, 0x808080);
    const ::Window client = x.AddChild(frame, 0, 20, 320, 220, 0xFFFFFF);
    XStoreName(x.display(), decoration, "Decoration");
    XStoreName(x.display(), client, "Framed editor");
    x.SetWmState(client);
    ScreenGrabber grabber;
    ASSERT_TRUE(grabber.Connect().ok());
    grabber.CollectWindows();
    ASSERT_EQ(grabber.windows().size(), 1u);
    EXPECT_EQ(grabber.windows()[0].handle, client);
    EXPECT_EQ(grabber.windows()[0].title, "Framed editor");
}

TEST(ScreenGrabber, RefusesAScreenWithout32BitPixels) {
    XvfbServer server(640, 480, 16);
    ASSERT_TRUE(server.running());
    TestWindows x;
    const ::Window window = x.Add("Sixteen bits", 0, 0, 200, 200, 0xFF0000);
    ScreenGrabber grabber;
    ASSERT_TRUE(grabber.Connect().ok());
    ASSERT_TRUE(grabber.Create(window, 160, 90));
    TempDir dir;
    EXPECT_FALSE(grabber.GrabToJpg(0, 0, 85, dir / "00000000.jpg"));
    EXPECT_FALSE(Sys::FileExists(dir / "00000000.jpg"));
}
