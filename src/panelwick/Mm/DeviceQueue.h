#pragma once

#include <deque>
#include <functional>
#include <mutex>

namespace Mm {

// The hand-over between a sound device's own thread and the thread that owns the device.
// The owner gives buffers to the device in order; the device thread works on the buffer at the
// head and hands each finished buffer back as a "done" notice. Notices (open, done, close)
// wait in a queue that the owner drains on its own thread; each new notice calls the waker,
// which only has to make the owner drain soon (a GUI posts itself an event).
class DeviceQueue {
public:
    enum class Event { Open, Done, Close };
    struct Notice {
        Event event;
        int buffer;
    };

    // Called from any thread, without the queue's lock held.
    void SetWaker(std::function<void()> waker);
    void Post(Event event, int buffer = -1);
    // Gives a buffer to the device, behind those it holds.
    void Give(int buffer);
    // Every buffer the device holds comes back as done, in order (a reset of the device).
    void ReturnAll();
    // Device thread: offers the buffers at the head to `work`, which returns true when it has
    // finished the buffer (it then comes back as done) and false when it stops inside it.
    // False when the device holds no buffer.
    bool Serve(const std::function<bool(int buffer)>& work);
    // Owner thread: the next notice, false when none waits.
    bool Take(Notice& notice);
    // Owner thread: runs the handler of each waiting notice in order, also of those that the
    // handlers themselves post.
    template <class Open, class Done, class Close>
    void Deliver(Open&& open, Done&& done, Close&& close) {
        Notice notice;
        while (Take(notice)) {
            switch (notice.event) {
                case Event::Open:
                    open();
                    break;
                case Event::Done:
                    done(notice.buffer);
                    break;
                case Event::Close:
                    close();
                    break;
            }
        }
    }
    // Forgets the buffers and the notices.
    void Clear();

private:
    void Wake();

    std::mutex mutex_;
    std::deque<int> device_;
    std::deque<Notice> notices_;
    std::function<void()> waker_;
};

}  // namespace Mm
