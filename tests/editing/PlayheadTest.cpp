#include <gtest/gtest.h>

#include "editing/AtOption.h"
#include "editing/Playhead.h"
#include "editing/TimeScale.h"

TEST(Playhead, StaysInTheMovieAndStepsByFramesAndSeconds) {
    Playhead p;
    EXPECT_EQ(p.Text(), "0:00.0 / 0:00.0");  // no objects
    EXPECT_FALSE(p.StepFrames(1));
    p.SetMovie(30000, 720, 24);
    EXPECT_TRUE(p.SetTime(2500));
    EXPECT_EQ(p.frame(), 60u);
    EXPECT_EQ(p.Text(), "0:02.5 / 0:30.0");
    EXPECT_TRUE(p.StepFrames(1));
    EXPECT_EQ(p.frame(), 61u);
    EXPECT_TRUE(p.StepFrames(-61));
    EXPECT_EQ(p.time(), 0u);
    EXPECT_FALSE(p.StepFrames(-1));
    EXPECT_TRUE(p.StepSeconds(-1) == false && p.StepSeconds(75) && p.time() == 30000);
    EXPECT_EQ(p.frame(), 719u);  // the end shows the last frame
    p.SetMovie(10000, 240, 24);  // the movie got shorter
    EXPECT_EQ(p.time(), 10000u);
    EXPECT_TRUE(p.StepFrames(-1));
    EXPECT_EQ(p.frame(), 238u);
    EXPECT_EQ(Playhead::TimeText(3723456), "62:03.4");
}

TEST(TimeScale, MapsTimesAndAdaptsItsTicksToTheScale) {
    TimeScale scale(4.0);
    scale.SetScroll(40);
    EXPECT_EQ(scale.XOfTime(20000), 40);
    EXPECT_EQ(scale.TimeAtX(40), 20000u);
    EXPECT_EQ(scale.TimeAtX(-100), 0u);
    // At 4 px/s ticks 8 px apart fall every 2 s, labels 60 px apart every 30 s (15 s is not a
    // whole number of ticks).
    EXPECT_EQ(scale.LabelStepMs(8, 60), 30000u);
    const auto ticks = scale.Ticks(200, 8, 60);
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.front().ms, 10000u);
    EXPECT_EQ(ticks[1].ms - ticks[0].ms, 2000u);
    for (const auto& t : ticks) EXPECT_EQ(t.labelled, t.ms % 30000 == 0) << t.ms;
    scale.SetPixelsPerSecond(200);  // zoomed in: tenths
    scale.SetScroll(0);
    EXPECT_EQ(scale.StepMs(8), 100u);
    EXPECT_EQ(TimeScale::Label(61500, scale.LabelStepMs(8, 60)), "1:01.5");
    EXPECT_EQ(TimeScale::Label(61500, 1000), "1:01");
}

TEST(AtOption, TakesTheTimeOutOfTheArguments) {
    std::vector<std::string> args{"--at", "2.5", "My Trip.rwk"};
    EXPECT_EQ(TakeAtOption(args).ms, 2500);
    EXPECT_EQ(args, std::vector<std::string>{"My Trip.rwk"});
    args = {"p.rwk", "--at=0.04"};
    EXPECT_EQ(TakeAtOption(args).ms, 40);
    EXPECT_EQ(args.size(), 1u);
    for (std::vector<std::string> bad :
         {std::vector<std::string>{"--at"}, std::vector<std::string>{"--at", "-1"},
          std::vector<std::string>{"--at=2s"}}) {
        const AtOption option = TakeAtOption(bad);
        EXPECT_EQ(option.ms, -1);
        EXPECT_FALSE(option.error.empty());
    }
    args = {"p.rwk"};
    EXPECT_EQ(TakeAtOption(args).ms, -1);
}
