#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>
// clang-format off
// Xlib after the test framework: its None and Bool macros would break the framework's names.
#include <X11/Xlib.h>
// clang-format on

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FrameTimeTable.h"
#include "support/TempDir.h"
#include "support/XvfbServer.h"
#include "video/ScreenGrabber.h"
#include "video/ScreenRecorder.h"

namespace fs = std::filesystem;

TEST(ScreenRecorder, PreparingAFolderClearsAnEarlierRecording) {
    TempDir dir;
    const std::string folder = dir / "Take";
    ASSERT_TRUE(ScreenRecorder::PrepareFolder(folder).ok());
    ASSERT_TRUE(Sys::WriteWholeFile(folder + "/00000000.jpg", "old"));
    fs::create_directories(folder + "/sub/deeper");
    ASSERT_TRUE(ScreenRecorder::PrepareFolder(folder).ok());
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(ScreenRecorder::PrepareFolder(dir / "missing/Take").message(),
              "Unable to create folder for the recording");
}

TEST(ScreenRecorder, StartFailuresSayWhy) {
    ScreenGrabber grabber;  // not connected: nothing can be grabbed
    ScreenRecorder recorder(grabber);
    TempDir dir;
    EXPECT_EQ(recorder.Start(dir / "", 1, 90, {}).message(), "Out of memory for recording");
    EXPECT_FALSE(recorder.recording());
}

// Two seconds of ticks every 50 ms: one picture and one entry each, the entries rising to
// about two seconds; a picture that cannot be written still gets its entry.
TEST(ScreenRecorder, TwoSecondRecordingWritesPicturesAndEntries) {
    XvfbServer server(640, 480);
    ASSERT_TRUE(server.running());
    ::Display* display = XOpenDisplay(nullptr);
    ASSERT_TRUE(display);
    const ::Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 400, 300,
                                                0, 0, WhitePixel(display, 0));
    XStoreName(display, window, "Recorded");
    XMapWindow(display, window);
    XSync(display, False);

    TempDir dir;
    const std::string folder = dir / "Take";
    ASSERT_TRUE(ScreenRecorder::PrepareFolder(folder).ok());
    fs::create_directory(folder + "/00000003.jpg");  // this picture cannot be written
    ScreenGrabber grabber;
    ASSERT_TRUE(grabber.Connect().ok());
    ScreenRecorder recorder(grabber);
    RecordingSettings settings;
    settings.left = 10;
    settings.top = 20;
    ASSERT_TRUE(recorder.Start(folder, window, 180, settings).ok());
    EXPECT_TRUE(recorder.recording());
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    auto next = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < end) {
        next += std::chrono::milliseconds(ScreenRecorder::kTickMilliseconds);
        std::this_thread::sleep_until(next);
        recorder.Tick();
    }
    recorder.Stop();
    recorder.Tick();  // after the end: nothing
    EXPECT_FALSE(recorder.recording());
    XCloseDisplay(display);

    const uint32_t frames = recorder.frames();
    EXPECT_GE(frames, 30u);
    EXPECT_LE(frames, 41u);
    EXPECT_EQ(Sys::ListFilesWithExtension(folder, ".jpg").size() + 1, frames);
    EXPECT_TRUE(Sys::FileExists(folder + "/00000000.jpg"));
    EXPECT_TRUE(Sys::FileExists(folder + "/00000004.jpg"));
    EXPECT_FALSE(Sys::FileExists(folder + "/00000003.jpg"));
    Sys::FrameTimeTable table;
    ASSERT_TRUE(table.LoadFile(folder + "/video.bin"));
    ASSERT_EQ(table.count(), frames);
    EXPECT_GE(table.entries().front(), 40u);
    EXPECT_TRUE(std::is_sorted(table.entries().begin(), table.entries().end()));
    EXPECT_GE(table.entries().back(), 1950u);
    EXPECT_LE(table.entries().back(), 2600u);
}
