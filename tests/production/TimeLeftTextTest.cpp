#include <gtest/gtest.h>

#include "production/PipelineStages.h"
#include "production/TimeLeftText.h"

namespace {

using Clock = TimeLeftText::Clock;
const Clock::time_point kStart = Clock::time_point(std::chrono::hours(24 * 365 * 50));

Clock::time_point After(double seconds) {
    return kStart +
           std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

// A text taken `seconds` after a stage started at `percent`.
std::string TextAt(double percent, double seconds) {
    TimeLeftText t;
    (void)t.Next(true, 0, kStart);
    return t.Next(false, percent, After(seconds));
}

}  // namespace

TEST(TimeLeftText, EstimatesFromProgressSinceTheStageStarted) {
    // 25 % after 30 s leaves 90 s: one minute and 30 s, rounded up because 30 > 5.
    EXPECT_EQ(TextAt(25, 30), "Time left: 2 minutes");
    EXPECT_EQ(TextAt(50, 30), "Time left: 30 seconds");
    EXPECT_EQ(TextAt(100, 30), "");
    // Progress above 100 counts as 99.9: trunc(0.1 x 1000 / 99.9) = 1.
    EXPECT_EQ(TextAt(250, 1000), "Time left: 1 seconds");
    // Only whole seconds count: 0.9 s after the start is still the first second.
    EXPECT_EQ(TextAt(50, 0.9), "Initializing...");
    EXPECT_EQ(TextAt(0, 0), "Initializing...");
}

TEST(TimeLeftText, RestartFlagRestartsTheClock) {
    TimeLeftText t;
    (void)t.Next(true, 0, kStart);
    EXPECT_EQ(t.Next(false, 50, After(100)), "Time left: 2 minutes");  // 100 s left
    EXPECT_EQ(t.Next(true, 50, After(100)), "Initializing...");
    EXPECT_EQ(t.Next(false, 50, After(110)), "Time left: 10 seconds");
}

TEST(TimeLeftText, StarRowGrowsToTwentyTwoThenStartsAgain) {
    TimeLeftText t;
    (void)t.Next(true, 0, kStart);
    for (int n = 1; n <= 22; ++n) EXPECT_EQ(t.Next(false, 0, After(5)), std::string(n, '*'));
    EXPECT_EQ(t.Next(false, 0, After(5)), "");
    EXPECT_EQ(t.Next(false, 0, After(5)), "*");
    t.Reset(kStart);
    EXPECT_EQ(t.Next(false, 0, After(5)), "*");
}

TEST(TimeLeftText, SingularAndPluralForms) {
    EXPECT_EQ(TimeLeftText::Remaining(0), "");
    EXPECT_EQ(TimeLeftText::Remaining(1), "Time left: 1 seconds");
    EXPECT_EQ(TimeLeftText::Remaining(59), "Time left: 59 seconds");
    EXPECT_EQ(TimeLeftText::Remaining(60), "Time left: 1 minute");
    EXPECT_EQ(TimeLeftText::Remaining(65), "Time left: 1 minute");  // 5 s do not round up
    EXPECT_EQ(TimeLeftText::Remaining(66), "Time left: 2 minutes");
    EXPECT_EQ(TimeLeftText::Remaining(3599), "Time left: 60 minutes");
    EXPECT_EQ(TimeLeftText::Remaining(3600), "Time left: 1 hr+0 mins");
    EXPECT_EQ(TimeLeftText::Remaining(3660), "Time left: 1 hr+1 min");
    EXPECT_EQ(TimeLeftText::Remaining(7200 + 60), "Time left: 2 hrs+1 min");
    EXPECT_EQ(TimeLeftText::Remaining(7200 + 150), "Time left: 2 hrs+2 mins");
    EXPECT_EQ(TimeLeftText::Remaining(86399), "Time left: 23 hrs+59 mins");
    EXPECT_EQ(TimeLeftText::Remaining(3 * 86400 + 3600), "Time left: 3 days+1 hr");
    EXPECT_EQ(TimeLeftText::Remaining(86400), "Time left: 1 day+0 hrs");
    EXPECT_EQ(TimeLeftText::Remaining(86400 + 3600 + 59), "Time left: 1 day+1 hr");
    EXPECT_EQ(TimeLeftText::Remaining(2 * 86400 + 5 * 3600), "Time left: 2 days+5 hrs");
}

TEST(TimeLeftText, TinyProgressSaturatesInsteadOfWrapping) {
    EXPECT_EQ(TextAt(1e-9, 100), TimeLeftText::Remaining(2147483647));
}

TEST(PipelineStages, NamesOfEveryStageNumber) {
    EXPECT_STREQ(StageName(0), "Normal");
    EXPECT_STREQ(StageName(1), "1. Corel Draw export");
    EXPECT_STREQ(StageName(5), "5. Assemble video and audio");
    EXPECT_STREQ(StageName(6), "6. Cleaning up");
    EXPECT_STREQ(StageName(7), "Error");
    EXPECT_STREQ(StageName(-1), "Error");
}
