#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// The status text of the running stage: "Initializing..." in its first second, a growing row
// of '*' while the stage reports no progress, then an estimate of the time left from the
// progress made since the stage started.
class TimeLeftText {
public:
    using Clock = std::chrono::system_clock;

    // Forgets the running estimate: the '*' row starts again and the clock restarts at now.
    void Reset(Clock::time_point now);
    // One refresh. restart: a new stage began since the last call (the clock restarts);
    // percent: the stage's progress, 0 to 100.
    std::string Next(bool restart, double percent, Clock::time_point now);

    // "Time left: ..." for R remaining seconds, empty for 0.
    static std::string Remaining(int32_t seconds);

private:
    int counter_ = 0;
    Clock::time_point start_{};
};
