#include "audio/PeakStore.h"

PeakStore::PeakStore(PeakCache cache, std::function<void()> ready)
    : cache_(std::move(cache)), ready_(std::move(ready)), thread_([this] { Run(); }) {}

PeakStore::~PeakStore() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    task_.Cancel();
    wake_.notify_all();
    thread_.join();
}

std::shared_ptr<const WavePeaks> PeakStore::Find(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (const auto it = found_.find(path); it != found_.end()) return it->second;
    if (asked_.insert(path).second) {
        queue_.push_back(path);
        wake_.notify_one();
    }
    return nullptr;
}

void PeakStore::WaitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void PeakStore::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_) return;
        const std::string path = queue_.front();
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        auto peaks = std::make_shared<WavePeaks>();
        const bool ok = cache_.Get(path, *peaks, task_).ok();
        lock.lock();
        if (ok) found_[path] = std::move(peaks);
        busy_ = false;
        if (queue_.empty()) idle_.notify_all();
        if (ok && ready_) {
            lock.unlock();
            ready_();
            lock.lock();
        }
    }
}
