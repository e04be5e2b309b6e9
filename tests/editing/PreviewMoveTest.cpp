#include <gtest/gtest.h>

#include "editing/PreviewMove.h"

TEST(PreviewMove, ArrowKeysMoveOneReferencePixel) {
    ObjectState s;
    MoveByKey(s, PreviewKey::Right);
    EXPECT_EQ(s.x, 10000);
    MoveByKey(s, PreviewKey::Up);
    MoveByKey(s, PreviewKey::Up);
    EXPECT_EQ(s.y, -20000);
    MoveByKey(s, PreviewKey::Left);
    MoveByKey(s, PreviewKey::Down);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, -10000);
}

TEST(PreviewMove, DragAddsTheWholeWayFromTheButtonDownPointAtEachMove) {
    ObjectState s;
    // 480 x 270 preview: 10 pixels right is 10 x 480 x 10000 / 1600 = 30000.
    MoveByDrag(s, 100, 100, 110, 97, 480, 270);
    EXPECT_EQ(s.x, 30000);
    EXPECT_EQ(s.y, -9000);  // 3 x 270 x 10000 / 900
    MoveByDrag(s, 100, 100, 110, 97, 480, 270);
    EXPECT_EQ(s.x, 60000);
    // Fractions are truncated towards zero: 1 x 7 x 10000 / 1600 = 43.75.
    ObjectState t;
    MoveByDrag(t, 0, 0, 1, -1, 7, 7);
    EXPECT_EQ(t.x, 43);
    EXPECT_EQ(t.y, -77);
}

TEST(PreviewMove, DragProductsWrapAsThirtyTwoBitIntegers) {
    ObjectState s;
    // 300 x 1600 x 10000 = 4.8e9 wraps to 505032704, / 1600 = 315645.44.
    MoveByDrag(s, 300, 0, 0, 0, 1600, 900);
    EXPECT_EQ(s.x, -315645);
}
