#include <gtest/gtest.h>

#include "project/MovieFrameCount.h"

namespace {

MovieObject Ending(uint32_t end) {
    MovieObject o;
    o.end = end;
    return o;
}

}  // namespace

TEST(MovieFrameCount, FpsTimesTheLatestEndInWholeFrames) {
    EXPECT_EQ(MovieFrameCount({}, 25), 0u);
    EXPECT_EQ(MovieFrameCount({Ending(4000), Ending(10000), Ending(500)}, 25), 250u);
    EXPECT_EQ(MovieFrameCount({Ending(1001)}, 30), 30u);  // 30.03
    EXPECT_EQ(MovieFrameCount({Ending(1000)}, 0), 0u);
    // Products that a double holds only approximately still count exactly.
    EXPECT_EQ(MovieFrameCount({Ending(8200)}, 15), 123u);  // 15 x 8.2 = 122.99999... in double
    EXPECT_EQ(MovieFrameCount({Ending(8199)}, 15), 122u);
    EXPECT_EQ(MovieFrameCount({Ending(4100)}, 30), 123u);
    // The largest movie does not overflow.
    EXPECT_EQ(MovieFrameCount({Ending(UINT32_MAX)}, 255), 1095216660u);
}
