#pragma once

#include <atomic>
#include <cstdint>

namespace Mt {

// The stop request word shared by a long job, its workers and the user interface.
// Bit 0 asks the job to stop; bit 1 asks whoever sees the stop to clear both bits, so that the
// next run starts clean. Every access is atomic: reads are a compare-exchange, setting is an
// OR, clearing an AND with 0xFFFC.
class StopFlags {
public:
    static constexpr uint32_t kStop = 1;
    static constexpr uint32_t kClearOnSight = 2;

    uint32_t Read() {
        uint32_t seen = 0;
        word_.compare_exchange_strong(seen, 0);
        return seen;
    }
    void Set(uint32_t bits) { word_.fetch_or(bits); }
    void RequestStop() { Set(kStop); }
    void Clear() { word_.fetch_and(0xFFFCu); }

    // True when a stop was requested; clears the request first when bit 1 asks for it.
    bool StopRequested() {
        const uint32_t seen = Read();
        if ((seen & kStop) == 0) return false;
        if (seen & kClearOnSight) Clear();
        return true;
    }

private:
    std::atomic<uint32_t> word_{0};
};

}  // namespace Mt
