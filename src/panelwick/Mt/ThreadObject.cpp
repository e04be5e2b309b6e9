#include "panelwick/Mt/ThreadObject.h"

#include <utility>

namespace Mt {

bool ThreadObject::Start(Body body) {
    if (running_.load()) return false;
    if (thread_.joinable()) thread_.join();
    cancelled_.store(false);
    progress_.Reset();
    startTime_ = std::chrono::system_clock::now();
    running_.store(true);
    thread_ = std::thread([this, body = std::move(body)] {
        exitCode_ = body(*this);
        running_.store(false);
    });
    return true;
}

int ThreadObject::Wait() {
    if (thread_.joinable()) thread_.join();
    return exitCode_;
}

}  // namespace Mt
