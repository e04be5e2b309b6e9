#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

// Chooses SDL's audio driver for the devices opened next. With "disk", what is played goes
// to `playFile` and what is recorded comes from `recordFile`, `delayMs` apart per device
// period (faster than real time).
inline void UseAudioDriver(const std::string& driver, const std::string& playFile = {},
                           const std::string& recordFile = {}, int delayMs = 5) {
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
    if (!playFile.empty()) setenv("SDL_DISKAUDIOFILE", playFile.c_str(), 1);
    if (!recordFile.empty()) setenv("SDL_DISKAUDIOFILEIN", recordFile.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", std::to_string(delayMs).c_str(), 1);
}

// Plays the part of a window's event loop for sound devices: waits until a device wakes it
// and delivers the devices' notices on this thread.
class AudioPump {
public:
    template <class... Devices>
    explicit AudioPump(Devices&... devices)
        : deliver_([&devices...] { (devices.DeliverEvents(), ...); }) {
        (devices.SetWaker([state = state_] {
            std::lock_guard lock(state->mutex);
            state->woken = true;
            state->cv.notify_all();
        }),
         ...);
    }

    // Delivers notices until done() holds; false when that takes longer than the time-out.
    bool RunUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (true) {
            deliver_();
            if (done()) return true;
            std::unique_lock lock(state_->mutex);
            if (!state_->cv.wait_until(lock, end, [this] { return state_->woken; })) return false;
            state_->woken = false;
        }
    }

    // Delivers what arrives during the given time.
    void RunFor(int ms) {
        (void)RunUntil([] { return false; }, ms);
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable cv;
        bool woken = false;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
    std::function<void()> deliver_;
};
