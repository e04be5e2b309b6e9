#include "video/ScreenRecorder.h"

#include <cstdio>

#include "panelwick/Sys/FrameFolder.h"
#include "video/ScreenGrabber.h"

Sys::Result ScreenRecorder::PrepareFolder(const std::string& folder) {
    if (!Sys::PrepareFrameFolder(folder)) return "Unable to create folder for the recording";
    return {};
}

Sys::Result ScreenRecorder::Start(const std::string& folder, unsigned long source, int movieHeight,
                                  const RecordingSettings& settings) {
    if (!grabber_.Create(source, ScreenGrabber::CaptureWidth(movieHeight), movieHeight)) {
        return "Out of memory for recording";
    }
    videoBin_.Close();
    if (Sys::Result r = videoBin_.Create(folder); r.failed()) return r;
    settings_ = settings;
    prefix_ = folder + "/";
    counter_ = 0;
    start_ = std::chrono::steady_clock::now();
    return {};
}

void ScreenRecorder::Tick() {
    if (!videoBin_.IsOpen()) return;
    char name[32];
    std::snprintf(name, sizeof name, "%08u.jpg", counter_++);
    (void)grabber_.GrabToJpg(settings_.left, settings_.top, settings_.quality, prefix_ + name);
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    using Counts = std::chrono::steady_clock::duration;
    (void)videoBin_.Append(Sys::VideoBinWriter::ElapsedMilliseconds(
        elapsed.count(), Counts::period::den / Counts::period::num));
}
