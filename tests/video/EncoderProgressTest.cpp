#include <gtest/gtest.h>

#include "video/EncoderProgress.h"

// Lines as the encoder prints them with -progress pipe:1, its status lines interleaved.
TEST(EncoderProgress, FollowsTheFramesOfTheProgressReportAndItsStatusLines) {
    EncoderProgress progress(48);
    EXPECT_EQ(progress.fraction(), 0.0);
    EXPECT_FALSE(progress.Take("Input #0, image2, from '%08d.jpg':"));
    EXPECT_FALSE(progress.Take("  Stream #0:0: Video: mjpeg (Baseline), yuvj420p, 160x90"));
    EXPECT_FALSE(progress.Take("frame=N/A"));
    EXPECT_TRUE(progress.Take("frame=12"));
    EXPECT_FALSE(progress.Take("fps=0.00"));
    EXPECT_FALSE(progress.Take("out_time_us=875081"));
    EXPECT_FALSE(progress.Take("progress=continue"));
    EXPECT_DOUBLE_EQ(progress.fraction(), 0.25);
    EXPECT_TRUE(progress.Take("frame=   24 fps=0.0 q=-1.0 Lsize=       6kB time=00:00:00.87"));
    EXPECT_DOUBLE_EQ(progress.fraction(), 0.5);
    EXPECT_TRUE(progress.Take("frame=99999999999999999999"));  // more than given: full
    EXPECT_DOUBLE_EQ(progress.fraction(), 1.0);

    EncoderProgress ended(48);
    EXPECT_TRUE(ended.Take("frame=3"));
    EXPECT_TRUE(ended.Take("progress=end"));
    EXPECT_DOUBLE_EQ(ended.fraction(), 1.0);

    EncoderProgress none(0);
    EXPECT_TRUE(none.Take("frame=5"));
    EXPECT_EQ(none.fraction(), 0.0);
}
