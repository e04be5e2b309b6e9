#include <gtest/gtest.h>

#include "editing/TimelineGeometry.h"

using Part = TimelineGeometry::Part;

TEST(TimelineGeometry, ZoomsAroundThePointerWithinItsRange) {
    TimelineGeometry g;
    g.SetViewWidth(1600);
    EXPECT_EQ(g.pixelsPerSecond(), 4.0);
    g.SetScroll(40);
    const uint32_t under = g.TimeAtX(200);
    g.ZoomSteps(3, 200);
    EXPECT_NEAR(g.pixelsPerSecond(), 4.0 * 1.953125, 1e-9);
    EXPECT_NEAR(double(g.TimeAtX(200)), double(under), 1000.0 / g.pixelsPerSecond());
    g.ZoomSteps(100, 0);
    EXPECT_EQ(g.pixelsPerSecond(), 400.0);
    g.ZoomSteps(-100, 1500);
    EXPECT_LE(g.XOfTime(3600000) - g.XOfTime(0), 1600);  // an hour fits at the lowest zoom
    EXPECT_EQ(g.scroll(), 0);                            // never scrolled before 0
    g.SetViewWidth(100000);                              // a wide view keeps the written zoom
    EXPECT_EQ(g.MinPixelsPerSecond(), 4.0);
}

TEST(TimelineGeometry, FitShowsTheWholeProject) {
    TimelineGeometry g;
    g.SetViewWidth(1000);
    g.SetScroll(500);
    g.Fit(20000);  // 20 s in 1000 px
    EXPECT_EQ(g.pixelsPerSecond(), 50.0);
    EXPECT_EQ(g.scroll(), 0);
    EXPECT_EQ(g.XOfTime(20000), 1000);
    g.Fit(3600000);
    EXPECT_LE(g.XOfTime(3600000), 1000);
    g.Fit(10);  // a tiny project is not zoomed past the top
    EXPECT_EQ(g.pixelsPerSecond(), 400.0);
    EXPECT_EQ(g.MsOfPixels(-4), -10);
    EXPECT_EQ(g.Extent(1000, 30), 430);
}

TEST(TimelineGeometry, HitsEdgesAndMiddleEvenOnNarrowBars) {
    TimelineGeometry g;
    g.ZoomAround(100.0, 0);  // 10 ms a pixel
    // A bar from x 100 to 300.
    EXPECT_EQ(g.HitTest(1000, 3000, 95), Part::None);
    EXPECT_EQ(g.HitTest(1000, 3000, 97), Part::LeftEdge);
    EXPECT_EQ(g.HitTest(1000, 3000, 104), Part::LeftEdge);
    EXPECT_EQ(g.HitTest(1000, 3000, 105), Part::Middle);
    EXPECT_EQ(g.HitTest(1000, 3000, 296), Part::RightEdge);
    EXPECT_EQ(g.HitTest(1000, 3000, 304), Part::RightEdge);
    EXPECT_EQ(g.HitTest(1000, 3000, 305), Part::None);
    // A bar 8 px wide keeps its middle.
    EXPECT_EQ(g.HitTest(1000, 1080, 100), Part::LeftEdge);
    EXPECT_EQ(g.HitTest(1000, 1080, 104), Part::Middle);
    EXPECT_EQ(g.HitTest(1000, 1080, 108), Part::RightEdge);
    // Scrolled, the same bar is found where it is drawn.
    g.SetScroll(50);
    EXPECT_EQ(g.HitTest(1000, 3000, 52), Part::LeftEdge);
}

TEST(TimelineGeometry, SnapsToTheNearestTargetWithinEightPixels) {
    TimelineGeometry g;
    g.ZoomAround(100.0, 0);  // 8 px = 80 ms
    int64_t offset = 0;
    EXPECT_TRUE(g.Snap(1000, {1050, 960, 5000}, offset));
    EXPECT_EQ(offset, -40);
    EXPECT_TRUE(g.Snap(1000, {1080}, offset));
    EXPECT_EQ(offset, 80);
    EXPECT_FALSE(g.Snap(1000, {1081, 919}, offset));
    g.ZoomAround(4.0, 0);  // zoomed out, 8 px = 2 s
    EXPECT_TRUE(g.Snap(1000, {2900}, offset));
}
