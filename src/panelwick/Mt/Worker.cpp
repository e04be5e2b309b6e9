#include "panelwick/Mt/Worker.h"

#include <utility>

namespace Mt {

Worker::~Worker() {
    Cancel();
    (void)Wait();
}

bool Worker::Start(Body body, Done done) {
    if (running_.load()) return false;
    if (thread_.joinable()) thread_.join();
    task_.Reset();
    result_ = {};
    running_.store(true);
    thread_ = std::thread([this, body = std::move(body), done = std::move(done)] {
        result_ = body(task_);
        running_.store(false);
        if (done) done();
    });
    return true;
}

TaskResult Worker::Wait() {
    if (thread_.joinable()) thread_.join();
    return result_;
}

}  // namespace Mt
