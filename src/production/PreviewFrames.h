#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/Mt/Task.h"
#include "production/PreviewCache.h"
#include "production/PreviewSnapshot.h"

// Composes preview frames on a thread of its own, so that the window never waits for one.
// Only the newest request counts: a request replaces one still waiting (which is dropped,
// never composed), and cancels the preparation of one being worked on. A frame being composed
// is finished and handed on.
//
// Threads: Request and the destructor are called from one thread (the window's); `deliver`
// is called on the worker thread and must only hand the frame on (post it to the event loop).
class PreviewFrames {
public:
    struct Request {
        std::shared_ptr<const PreviewSnapshot> snapshot;
        uint32_t frame = 0;
        int32_t width = 0, height = 0;
    };
    struct Frame {
        uint64_t id = 0;  // the request's number, from Request()
        uint32_t frame = 0;
        std::shared_ptr<CG::DIBitmap> picture;  // null when composing failed
        std::string error;
        std::vector<std::string> failures;  // the objects drawn as placeholders
    };
    using Deliver = std::function<void(Frame)>;

    explicit PreviewFrames(Deliver deliver);
    ~PreviewFrames();
    PreviewFrames(const PreviewFrames&) = delete;
    PreviewFrames& operator=(const PreviewFrames&) = delete;

    // Queues the request in place of any older one; its number (growing from 1).
    uint64_t Post(Request request);
    // The number of the newest request.
    uint64_t newest() const;

private:
    void Run();
    // Prepares and composes one request's frame and hands it on.
    void Serve(const Request& request, uint64_t id);

    Deliver deliver_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    uint64_t newest_ = 0;
    bool quit_ = false;
    Mt::Task task_;  // cancelled when a newer request arrives during a preparation
    PreviewCache cache_;
    std::thread thread_;
};
