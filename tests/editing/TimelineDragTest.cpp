#include <gtest/gtest.h>

#include "editing/TimelineDrag.h"

namespace {

using Part = TimelineGeometry::Part;

MovieObject Object(uint32_t begin, uint32_t end) {
    MovieObject o;
    o.begin = begin;
    o.end = end;
    return o;
}

// Three rows at 100 px a second (10 ms a pixel); the playhead at 9 s.
struct TimelineDragTest : testing::Test {
    TimelineDragTest() {
        geometry.ZoomAround(100.0, 0);
        objects = {Object(1000, 3000), Object(2000, 2500), Object(6000, 8000)};
    }
    uint32_t Drag(TimelineDrag& drag, int dx, bool snap = false) {
        return drag.Update(geometry, dx, snap, 9000);
    }
    TimelineGeometry geometry;
    std::vector<MovieObject> objects;
};

}  // namespace

TEST_F(TimelineDragTest, EdgesMoveOneTimeAndKeepTheShortestLength) {
    TimelineDrag right(objects, -1, -1, 0, Part::RightEdge);
    EXPECT_EQ(Drag(right, 37), 3370u);
    EXPECT_EQ(objects[0].begin, 1000u);
    EXPECT_EQ(Drag(right, -500), 1100u);  // never shorter than 100 ms
    EXPECT_EQ(objects[1].end, 2500u);     // unselected rows stay
    TimelineDrag left(objects, -1, -1, 2, Part::LeftEdge);
    EXPECT_EQ(Drag(left, -1000), 0u);    // never before 0
    EXPECT_EQ(Drag(left, 1000), 7900u);  // 100 ms before the end at most
    EXPECT_EQ(objects[2].end, 8000u);
}

TEST_F(TimelineDragTest, MovingKeepsLengthsAndTheSelectionFollows) {
    TimelineDrag move(objects, 0, 1, 1, Part::Middle);
    EXPECT_EQ(Drag(move, 123), 3230u);
    EXPECT_EQ(objects[0].begin, 2230u);
    EXPECT_EQ(objects[0].end, 4230u);
    EXPECT_EQ(objects[1].end, 3730u);
    EXPECT_EQ(objects[2].begin, 6000u);  // outside the selection
    Drag(move, -10000);                  // stops when the earliest begin reaches 0
    EXPECT_EQ(objects[0].begin, 0u);
    EXPECT_EQ(objects[1].begin, 1000u);
    TimelineDrag outside(objects, 0, 1, 2, Part::Middle);  // a row outside the selection
    Drag(outside, 100);
    EXPECT_EQ(objects[2].begin, 7000u);
    EXPECT_EQ(objects[0].begin, 0u);
}

TEST_F(TimelineDragTest, SnapsToPlayheadAndOtherEdgesUnlessShiftIsHeld) {
    TimelineDrag right(objects, -1, -1, 0, Part::RightEdge);
    EXPECT_EQ(Drag(right, 296, true), 6000u);  // 5960 is 4 px from the next row's begin
    EXPECT_EQ(Drag(right, 296, false), 5960u);
    EXPECT_EQ(Drag(right, 595, true), 9000u);  // the playhead
    EXPECT_EQ(Drag(right, -45, true), 2500u);  // another row's end
    TimelineDrag move(objects, -1, -1, 2, Part::Middle);
    Drag(move, 95, true);  // its end reaches 8950: snaps to the playhead
    EXPECT_EQ(objects[2].begin, 7000u);
    EXPECT_EQ(objects[2].end, 9000u);
    TimelineDrag same(objects, 0, 2, 2, Part::Middle);  // selected rows are no targets
    EXPECT_EQ(Drag(same, 0, true), 7000u);
}

TEST_F(TimelineDragTest, EscapeRestoresAndAFinishedDragIsOneUndoPoint) {
    Document document;
    document.objects = objects;
    const auto before = document.objects;
    {
        TimelineDrag drag(document.objects, 0, 2, 0, Part::Middle);
        Drag(drag, 50);
        Drag(drag, 80);
        drag.Cancel();
        EXPECT_EQ(document.objects, before);
        EXPECT_FALSE(drag.Changed());
        drag.Finish(document);
        EXPECT_FALSE(document.CanUndo());
    }
    TimelineDrag drag(document.objects, -1, -1, 1, Part::LeftEdge);
    Drag(drag, -20);
    Drag(drag, -30);
    drag.Finish(document);
    EXPECT_EQ(document.objects[1].begin, 1700u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.objects, before);
    EXPECT_FALSE(document.CanUndo());
}
