#include "cli/StopSignal.h"

#include <atomic>
#include <signal.h>

namespace Cli {
namespace {

// Only lock-free atomics may be touched inside a signal handler; cancelling a task is one.
std::atomic<bool> gStop{false};
std::atomic<Mt::Task*> gTask{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<Mt::Task*>::is_always_lock_free);

struct sigaction gPreviousInt, gPreviousTerm;

void OnSignal(int number) {
    if (gStop.exchange(true) && number == SIGINT) {
        signal(SIGINT, SIG_DFL);
        raise(SIGINT);
        return;
    }
    if (Mt::Task* task = gTask.load()) task->Cancel();
}

}  // namespace

StopSignal::StopSignal(Mt::Task* task) {
    gStop.store(false);
    gTask.store(task);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &gPreviousInt);
    sigaction(SIGTERM, &action, &gPreviousTerm);
}

StopSignal::~StopSignal() {
    sigaction(SIGINT, &gPreviousInt, nullptr);
    sigaction(SIGTERM, &gPreviousTerm, nullptr);
    gTask.store(nullptr);
}

bool StopSignal::requested() const {
    return gStop.load();
}

}  // namespace Cli
