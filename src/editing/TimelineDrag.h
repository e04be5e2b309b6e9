#pragma once

#include <cstdint>
#include <vector>

#include "editing/TimelineGeometry.h"
#include "project/Document.h"

// One mouse drag on the timeline: the middle of a bar moves its object, an edge moves its begin
// or end. When the grabbed row is selected, every selected row follows. Each update starts
// again from the times before the drag, so the result depends only on the distance dragged.
// Begins stay at or above 0, objects last at least kMinDuration (or as long as they already
// did), rows keep their order; Cancel puts every time back.
class TimelineDrag {
public:
    using Part = TimelineGeometry::Part;
    static constexpr uint32_t kMinDuration = 100;
    static constexpr uint32_t kLatest = INT32_MAX;  // times stay positive as 32-bit numbers

    // Grabs `part` of `row`; a part of None or a row out of range makes an idle drag.
    TimelineDrag(std::vector<MovieObject>& objects, int first, int last, int row, Part part);

    Part part() const { return part_; }
    int firstRow() const { return first_; }
    int lastRow() const { return last_; }

    // Applies a drag of dx pixels, snapping the grabbed edges to the playhead and to the other
    // objects' edges unless `snap` is false. Returns the time to show: the grabbed object's
    // end for its right edge, else its begin.
    uint32_t Update(const TimelineGeometry& geometry, int dx, bool snap, uint32_t playheadMs);
    bool Changed() const;
    // Restores the times before the drag.
    void Cancel();
    // Keeps the dragged times behind one undo point holding the times before; does nothing
    // when nothing moved.
    void Finish(Document& document);

private:
    struct Span {
        uint32_t begin, end;
    };
    std::vector<uint32_t> SnapTargets(uint32_t playheadMs) const;
    int64_t SnapDelta(const TimelineGeometry& geometry, int64_t delta,
                      const std::vector<uint32_t>& targets) const;
    void Apply(int64_t delta);

    std::vector<MovieObject>& objects_;
    int first_ = 0, last_ = -1, row_ = -1;
    Part part_ = Part::None;
    std::vector<Span> original_;
};
