#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "audio/PeakCache.h"

// Peaks for drawing, computed on a thread of its own so that the caller never waits: Find
// gives what is at hand and queues the rest; `ready` is called on that thread after each file
// and must only notify. A file that cannot be read is remembered and never tried again.
class PeakStore {
public:
    PeakStore(PeakCache cache, std::function<void()> ready);
    ~PeakStore();
    PeakStore(const PeakStore&) = delete;
    PeakStore& operator=(const PeakStore&) = delete;

    // The file's peaks, or null while they are being computed or when the file is unreadable.
    std::shared_ptr<const WavePeaks> Find(const std::string& path);
    // Waits until nothing is queued (for tests and benchmarks).
    void WaitIdle();

private:
    void Run();

    PeakCache cache_;
    std::function<void()> ready_;
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::map<std::string, std::shared_ptr<const WavePeaks>> found_;
    std::set<std::string> asked_;  // queued, computing, found or failed
    std::deque<std::string> queue_;
    bool busy_ = false, stop_ = false;
    Mt::Task task_;
    std::thread thread_;
};
