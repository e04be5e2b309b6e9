#pragma once

#include <mutex>
#include <string>

namespace Mt {

// A message text written by one thread and read by another, guarded by a mutex.
class SharedText {
public:
    void Set(std::string text) {
        std::lock_guard lock(mutex_);
        text_ = std::move(text);
    }
    std::string Get() const {
        std::lock_guard lock(mutex_);
        return text_;
    }
    void Clear() { Set({}); }

private:
    mutable std::mutex mutex_;
    std::string text_;
};

}  // namespace Mt
