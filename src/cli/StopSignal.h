#pragma once

#include <atomic>
#include <cstdint>

namespace Cli {

// While it lives, Ctrl+C (SIGINT) and SIGTERM do not end the program but set a stop flag
// that the running command polls (and, if asked, an atomic OR of a bit into a word such as a
// pipeline's stop flags); the command then exits with status 130. A second Ctrl+C ends the
// program at once. One at a time; the previous handlers come back on destruction.
class StopSignal {
public:
    StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;
    ~StopSignal();

    // Also sets `bit` in `word` when the stop comes (or at once if it already came).
    void AlsoSet(std::atomic<uint32_t>& word, uint32_t bit);

    bool requested() const;
    const std::atomic<bool>& flag() const;
};

}  // namespace Cli
