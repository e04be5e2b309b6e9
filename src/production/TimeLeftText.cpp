#include "production/TimeLeftText.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr int kLongestStarRow = 22;

std::string Format(const char* format, int a, int b = 0) {
    char text[256];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// Whole seconds between two instants, counted in 100 ns ticks as the system's file times are.
int64_t ElapsedSeconds(TimeLeftText::Clock::time_point from, TimeLeftText::Clock::time_point to) {
    using Ticks = std::chrono::duration<int64_t, std::ratio<1, 10000000>>;
    return std::chrono::duration_cast<Ticks>(to - from).count() / 10000000;
}

// trunc() into 32 bits; estimates beyond its range (a stage that has barely moved after a
// long time) saturate instead of wrapping.
int32_t TruncateSeconds(double seconds) {
    if (std::isnan(seconds)) return 0;
    if (seconds >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (seconds <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(seconds);
}

}  // namespace

void TimeLeftText::Reset(Clock::time_point now) {
    counter_ = 0;
    start_ = now;
}

std::string TimeLeftText::Next(bool restart, double percent, Clock::time_point now) {
    if (restart) Reset(now);
    const int64_t elapsed = ElapsedSeconds(start_, now);
    if (elapsed == 0) return "Initializing...";
    if (percent == 0) {
        if (++counter_ > kLongestStarRow) {
            counter_ = 0;
            return {};
        }
        return std::string(static_cast<size_t>(counter_), '*');
    }
    if (percent > 100) percent = 99.9;
    return Remaining(TruncateSeconds((100 - percent) * double(elapsed) / percent));
}

std::string TimeLeftText::Remaining(int32_t r) {
    const int hours = r / 3600;
    const int minutes = (r % 3600) / 60;
    const int seconds = r % 60;
    const int days = hours / 24;
    const int hoursOfDay = hours - 24 * days;
    if (r == 0) return {};
    if (r < 60) return Format("Time left: %d seconds", seconds);
    if (r < 3600) {
        const int rounded = minutes + (seconds > 5 ? 1 : 0);
        return rounded == 1 ? "Time left: 1 minute" : Format("Time left: %d minutes", rounded);
    }
    if (r < 86400) {
        static const char* const forms[4] = {"Time left: %d hrs+%d mins",
                                             "Time left: %d hrs+%d min", "Time left: %d hr+%d mins",
                                             "Time left: %d hr+%d min"};
        return Format(forms[(hours == 1) * 2 + (minutes == 1)], hours, minutes);
    }
    static const char* const forms[4] = {"Time left: %d days+%d hrs", "Time left: %d days+%d hr",
                                         "Time left: %d day+%d hrs", "Time left: %d day+%d hr"};
    return Format(forms[(days == 1) * 2 + (hoursOfDay == 1)], days, hoursOfDay);
}
