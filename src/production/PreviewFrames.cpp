#include "production/PreviewFrames.h"

PreviewFrames::PreviewFrames(Deliver deliver)
    : deliver_(std::move(deliver)), thread_([this] { Run(); }) {}

PreviewFrames::~PreviewFrames() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        task_.Cancel();
    }
    wake_.notify_one();
    thread_.join();
}

uint64_t PreviewFrames::Post(Request request) {
    uint64_t id;
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(request);
        id = ++newest_;
        task_.Cancel();
    }
    wake_.notify_one();
    return id;
}

uint64_t PreviewFrames::newest() const {
    std::lock_guard lock(mutex_);
    return newest_;
}

void PreviewFrames::Run() {
    for (;;) {
        Request request;
        uint64_t id;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_.has_value(); });
            if (quit_) return;
            request = std::move(*pending_);
            pending_.reset();
            id = newest_;
            task_.Reset();
        }
        Serve(request, id);
    }
}

void PreviewFrames::Serve(const Request& request, uint64_t id) {
    if (!request.snapshot) return;
    if (cache_.Update(*request.snapshot, task_, request.frame).stopped()) return;
    Frame out;
    out.id = id;
    out.frame = request.frame;
    auto picture = std::make_shared<CG::DIBitmap>();
    const Sys::Result composed =
        cache_.Compose(request.frame, request.width, request.height, *picture);
    // A frame finished after a newer request came is still handed on: it is nearer than the
    // one shown, and dropping it would leave the monitor still while requests come faster
    // than frames are composed.
    if (composed.ok()) {
        out.picture = std::move(picture);
    } else {
        out.error = composed.message();
    }
    out.failures = cache_.failures();
    deliver_(std::move(out));
}
