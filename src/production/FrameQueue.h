#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// Frames handed from rendering workers to one writer in frame order through a fixed number of
// buffers: frame k goes into buffer k mod capacity, so a worker that runs ahead waits until the
// writer has released frame k - capacity. Memory stays flat however long the movie is.
// Cancel wakes every waiter; each wait then gives up.
class FrameQueue {
public:
    FrameQueue(size_t capacity, size_t frameBytes);

    // The buffer for frame k, once the writer no longer needs it; nullptr after Cancel.
    uint8_t* Slot(uint32_t k);
    // Frame k is in its buffer.
    void Filled(uint32_t k);
    // Waits for the next frame in order; nullptr after Cancel.
    const uint8_t* Next();
    // The next frame was written: its buffer is free and the one after it is next.
    void Release();
    void Cancel();

    uint32_t released() const;

private:
    size_t capacity_, frameBytes_;
    std::unique_ptr<uint8_t[]> buffers_;
    std::vector<bool> filled_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    uint32_t next_ = 0;
    bool cancelled_ = false;
};
