#pragma once

#include <functional>
#include <thread>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"

namespace Mt {

// Runs one job at a time on a thread of its own. The body watches the worker's task (cancel
// request, progress); when it has ended, `done` is called on the worker thread, which must
// only notify (post an event, wake a waiter). The owner then collects the result with Wait().
// Destruction cancels a running body and waits for it.
class Worker {
public:
    using Body = std::function<TaskResult(Task&)>;
    using Done = std::function<void()>;

    Worker() = default;
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;
    ~Worker();

    // Starts the body with a fresh task; false, starting nothing, while a body still runs.
    bool Start(Body body, Done done = {});
    void Cancel() { task_.Cancel(); }
    // Waits for the body to end and gives its result (done when nothing ran).
    TaskResult Wait();
    bool running() const { return running_.load(); }
    const Task& task() const { return task_; }

private:
    std::thread thread_;
    std::atomic<bool> running_{false};
    Task task_;
    TaskResult result_;
};

}  // namespace Mt
