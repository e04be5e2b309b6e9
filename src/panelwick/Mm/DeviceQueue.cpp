#include "panelwick/Mm/DeviceQueue.h"

namespace Mm {

void DeviceQueue::SetWaker(std::function<void()> waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

void DeviceQueue::Wake() {
    std::function<void()> waker;
    {
        std::lock_guard lock(mutex_);
        waker = waker_;
    }
    if (waker) waker();
}

void DeviceQueue::Post(Event event, int buffer) {
    {
        std::lock_guard lock(mutex_);
        notices_.push_back({event, buffer});
    }
    Wake();
}

void DeviceQueue::Give(int buffer) {
    std::lock_guard lock(mutex_);
    device_.push_back(buffer);
}

void DeviceQueue::ReturnAll() {
    {
        std::lock_guard lock(mutex_);
        if (device_.empty()) return;
        for (int buffer : device_) notices_.push_back({Event::Done, buffer});
        device_.clear();
    }
    Wake();
}

bool DeviceQueue::Serve(const std::function<bool(int buffer)>& work) {
    bool finished = false, held = false;
    {
        std::lock_guard lock(mutex_);
        held = !device_.empty();
        while (!device_.empty() && work(device_.front())) {
            notices_.push_back({Event::Done, device_.front()});
            device_.pop_front();
            finished = true;
        }
    }
    if (finished) Wake();
    return held;
}

bool DeviceQueue::Take(Notice& notice) {
    std::lock_guard lock(mutex_);
    if (notices_.empty()) return false;
    notice = notices_.front();
    notices_.pop_front();
    return true;
}

void DeviceQueue::Clear() {
    std::lock_guard lock(mutex_);
    device_.clear();
    notices_.clear();
}

}  // namespace Mm
