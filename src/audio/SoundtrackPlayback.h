#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "audio/SoundtrackMixer.h"
#include "panelwick/Mm/SdlAudio.h"

// The soundtrack played live from a time on through the first sound device, mixed as it is
// needed; its clock is the sound heard so far, which the pictures follow. Without a device
// (or once the device stops taking sound) the clock runs on the steady clock, silently, from
// where the sound stopped.
//
// Threads: the device's callback positions the mix (its first call) and mixes on SDL's audio
// thread; the rest is called from one other thread.
class SoundtrackPlayback {
public:
    SoundtrackPlayback(const std::vector<MovieObject>& objects, const MovieProperties& properties,
                       const std::string& projectFolder);
    ~SoundtrackPlayback();
    SoundtrackPlayback(const SoundtrackPlayback&) = delete;
    SoundtrackPlayback& operator=(const SoundtrackPlayback&) = delete;

    // Starts at `seconds` into the movie; with `sound` off (or no device) silently. The
    // device's failure text, empty when it plays.
    std::string Start(double seconds, bool sound = true);
    // Stops the sound; the clock stands still.
    void Stop();
    // Seconds into the movie now.
    double Clock();
    // True once, when the device stopped taking sound for `stallSeconds` while the movie's
    // soundtrack had not ended: playback then goes on silently.
    bool LostDevice(double stallSeconds = 0.5);
    bool silent() const { return device_ == 0; }

private:
    static void Callback(void* user, uint8_t* stream, int length);
    double SteadySeconds() const;

    SoundtrackMixer mixer_;
    std::unique_ptr<Mm::SdlAudio> sdl_;
    uint32_t device_ = 0;
    double start_ = 0.0;
    std::atomic<uint64_t> played_{0};  // frames handed to the device
    uint64_t startFrame_ = 0;          // where the device's first callback positions the mix
    std::atomic<bool> positioned_{false};
    // The silent clock: the movie time at its start and the steady time it started.
    double silentFrom_ = 0.0;
    std::chrono::steady_clock::time_point silentStart_{};
    bool running_ = false;
    // The watchdog: the frames played when last seen moving, and when.
    uint64_t lastPlayed_ = 0;
    std::chrono::steady_clock::time_point lastMoved_{};
};
