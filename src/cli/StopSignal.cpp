#include "cli/StopSignal.h"

#include <signal.h>

namespace Cli {
namespace {

// Only lock-free atomics may be touched inside a signal handler.
std::atomic<bool> gStop{false};
std::atomic<std::atomic<uint32_t>*> gWord{nullptr};
std::atomic<uint32_t> gBit{0};
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<uint32_t>::is_always_lock_free);
static_assert(std::atomic<std::atomic<uint32_t>*>::is_always_lock_free);

struct sigaction gPreviousInt, gPreviousTerm;

void OnSignal(int number) {
    if (gStop.exchange(true) && number == SIGINT) {
        signal(SIGINT, SIG_DFL);
        raise(SIGINT);
        return;
    }
    if (std::atomic<uint32_t>* word = gWord.load()) word->fetch_or(gBit.load());
}

}  // namespace

StopSignal::StopSignal() {
    gStop.store(false);
    gWord.store(nullptr);
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
    gWord.store(nullptr);
}

void StopSignal::AlsoSet(std::atomic<uint32_t>& word, uint32_t bit) {
    gBit.store(bit);
    gWord.store(&word);
    if (gStop.load()) word.fetch_or(bit);
}

bool StopSignal::requested() const {
    return gStop.load();
}

const std::atomic<bool>& StopSignal::flag() const {
    return gStop;
}

}  // namespace Cli
