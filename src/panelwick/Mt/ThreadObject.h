#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "panelwick/Mt/Progress.h"

namespace Mt {

// Runs one body at a time on its own thread, with a cancel flag and a progress value that
// another thread can read without a lock. Destruction waits for the thread.
class ThreadObject {
public:
    using Body = std::function<int(ThreadObject&)>;

    ThreadObject() = default;
    ThreadObject(const ThreadObject&) = delete;
    ThreadObject& operator=(const ThreadObject&) = delete;
    ~ThreadObject() { Wait(); }

    // Starts the body; false, starting nothing, while a previous body still runs.
    bool Start(Body body);
    bool IsRunning() const { return running_.load(); }
    // Waits for the thread to end and gives the body's exit code.
    int Wait();

    void Cancel() { cancelled_.store(true); }
    bool IsCancelled() const { return cancelled_.load(); }
    Progress& progress() { return progress_; }
    const Progress& progress() const { return progress_; }
    std::chrono::system_clock::time_point startTime() const { return startTime_; }

private:
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<bool> cancelled_{false};
    Progress progress_;
    int exitCode_ = 0;
    std::chrono::system_clock::time_point startTime_;
};

}  // namespace Mt
