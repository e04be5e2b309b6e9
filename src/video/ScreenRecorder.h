#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "panelwick/Sys/Result.h"
#include "panelwick/Sys/VideoBinWriter.h"
#include "video/RecordingSettings.h"

class ScreenGrabber;

// A screen recording into a frame folder: at every tick one picture "%08d.jpg" numbered from
// 0 and one video.bin entry, the milliseconds from the start until that picture was written.
// The entry is written even when the picture could not be, so video.bin always holds one entry
// per picture tried.
class ScreenRecorder {
public:
    explicit ScreenRecorder(ScreenGrabber& grabber) : grabber_(grabber) {}

    // Creates the folder, or empties it when it holds an earlier recording.
    static Sys::Result PrepareFolder(const std::string& folder);

    // Readies the grabber for the window at the movie height and creates video.bin; the clock
    // starts here. "Out of memory for recording" or "Out to create file video.bin" on failure.
    Sys::Result Start(const std::string& folder, unsigned long source, int movieHeight,
                      const RecordingSettings& settings);
    // Grabs and writes the next picture and its entry.
    void Tick();
    void Stop() { videoBin_.Close(); }

    bool recording() const { return videoBin_.IsOpen(); }
    uint32_t frames() const { return counter_; }

    // The tick period of a recording.
    static constexpr int kTickMilliseconds = 50;

private:
    ScreenGrabber& grabber_;
    Sys::VideoBinWriter videoBin_;
    RecordingSettings settings_;
    std::string prefix_;
    uint32_t counter_ = 0;
    std::chrono::steady_clock::time_point start_;
};
