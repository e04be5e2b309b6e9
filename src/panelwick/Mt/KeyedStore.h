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

#include "panelwick/Mt/Task.h"

namespace Mt {

// Values made from files on a thread of its own, so that the caller never waits: Find gives
// what is at hand and queues the rest; `ready` is called on that thread after each value and
// must only notify. A file whose value cannot be made is remembered as failed and not tried
// again.
template <class T>
class KeyedStore {
public:
    using Make = std::function<bool(const std::string& path, T& value, Task& task)>;

    KeyedStore(Make make, std::function<void()> ready)
        : make_(std::move(make)), ready_(std::move(ready)), thread_([this] { Run(); }) {}
    ~KeyedStore() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        task_.Cancel();
        wake_.notify_all();
        thread_.join();
    }
    KeyedStore(const KeyedStore&) = delete;
    KeyedStore& operator=(const KeyedStore&) = delete;

    // The value, or null while it is being made or when it could not be.
    std::shared_ptr<const T> Find(const std::string& path) {
        std::lock_guard lock(mutex_);
        if (const auto it = found_.find(path); it != found_.end()) return it->second;
        if (asked_.insert(path).second) {
            queue_.push_back(path);
            wake_.notify_one();
        }
        return nullptr;
    }
    bool Failed(const std::string& path) {
        std::lock_guard lock(mutex_);
        return failed_.count(path) > 0;
    }
    // Waits until nothing is queued (for tests and benchmarks).
    void WaitIdle() {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
    }

private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
            if (stop_) return;
            const std::string path = queue_.front();
            queue_.pop_front();
            busy_ = true;
            lock.unlock();
            auto value = std::make_shared<T>();
            const bool ok = make_(path, *value, task_);
            lock.lock();
            if (ok) {
                found_[path] = std::move(value);
            } else if (!task_.Cancelled()) {
                failed_.insert(path);
            }
            if (ready_) {
                lock.unlock();
                ready_();
                lock.lock();
            }
            // Idle only once the caller has been told, so WaitIdle sees every notice.
            busy_ = false;
            if (queue_.empty()) idle_.notify_all();
        }
    }

    Make make_;
    std::function<void()> ready_;
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::map<std::string, std::shared_ptr<const T>> found_;
    std::set<std::string> asked_, failed_;
    std::deque<std::string> queue_;
    bool busy_ = false, stop_ = false;
    Task task_;
    std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace Mt
