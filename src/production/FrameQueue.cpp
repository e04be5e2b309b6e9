#include "production/FrameQueue.h"

FrameQueue::FrameQueue(size_t capacity, size_t frameBytes)
    : capacity_(capacity ? capacity : 1),
      frameBytes_(frameBytes),
      buffers_(new uint8_t[capacity_ * frameBytes]),
      filled_(capacity_, false) {}

uint8_t* FrameQueue::Slot(uint32_t k) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return cancelled_ || k < next_ + capacity_; });
    return cancelled_ ? nullptr : buffers_.get() + (k % capacity_) * frameBytes_;
}

void FrameQueue::Filled(uint32_t k) {
    {
        std::lock_guard lock(mutex_);
        filled_[k % capacity_] = true;
    }
    changed_.notify_all();
}

const uint8_t* FrameQueue::Next() {
    std::unique_lock lock(mutex_);
    const size_t slot = next_ % capacity_;
    changed_.wait(lock, [&] { return cancelled_ || filled_[slot]; });
    return cancelled_ ? nullptr : buffers_.get() + slot * frameBytes_;
}

void FrameQueue::Release() {
    {
        std::lock_guard lock(mutex_);
        filled_[next_ % capacity_] = false;
        ++next_;
    }
    changed_.notify_all();
}

void FrameQueue::Cancel() {
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    changed_.notify_all();
}

uint32_t FrameQueue::released() const {
    std::lock_guard lock(mutex_);
    return next_;
}
