#include "editing/TimelineDrag.h"

#include <algorithm>

TimelineDrag::TimelineDrag(std::vector<MovieObject>& objects, int first, int last, int row,
                           Part part)
    : objects_(objects) {
    const int rows = static_cast<int>(objects.size());
    if (part == Part::None || row < 0 || row >= rows) return;
    const bool inSelection = first >= 0 && row >= first && row <= std::min(last, rows - 1);
    first_ = inSelection ? first : row;
    last_ = inSelection ? std::min(last, rows - 1) : row;
    row_ = row;
    part_ = part;
    for (int r = first_; r <= last_; ++r) original_.push_back({objects[r].begin, objects[r].end});
}

std::vector<uint32_t> TimelineDrag::SnapTargets(uint32_t playheadMs) const {
    std::vector<uint32_t> targets{playheadMs};
    for (int r = 0; r < static_cast<int>(objects_.size()); ++r) {
        if (r >= first_ && r <= last_) continue;
        targets.push_back(objects_[r].begin);
        targets.push_back(objects_[r].end);
    }
    return targets;
}

// The nearest snap of the grabbed edges, moved by delta, added to delta.
int64_t TimelineDrag::SnapDelta(const TimelineGeometry& geometry, int64_t delta,
                                const std::vector<uint32_t>& targets) const {
    const Span& grabbed = original_[row_ - first_];
    std::vector<int64_t> edges;
    if (part_ != Part::RightEdge) edges.push_back(grabbed.begin + delta);
    if (part_ != Part::LeftEdge) edges.push_back(grabbed.end + delta);
    int64_t best = 0;
    bool found = false;
    for (int64_t edge : edges) {
        int64_t offset = 0;
        if (edge < 0 || edge > kLatest) continue;
        if (geometry.Snap(uint32_t(edge), targets, offset) &&
            (!found || std::llabs(offset) < std::llabs(best))) {
            best = offset;
            found = true;
        }
    }
    return delta + best;
}

uint32_t TimelineDrag::Update(const TimelineGeometry& geometry, int dx, bool snap,
                              uint32_t playheadMs) {
    if (part_ == Part::None) return 0;
    int64_t delta = geometry.MsOfPixels(dx);
    if (snap) delta = SnapDelta(geometry, delta, SnapTargets(playheadMs));
    Apply(delta);
    const MovieObject& grabbed = objects_[row_];
    return part_ == Part::RightEdge ? grabbed.end : grabbed.begin;
}

void TimelineDrag::Apply(int64_t delta) {
    if (part_ == Part::Middle) {  // the whole set moves by one clamped distance
        uint32_t earliest = kLatest, latest = 0;
        for (const Span& s : original_) {
            earliest = std::min(earliest, s.begin);
            latest = std::max(latest, s.end);
        }
        delta = std::clamp<int64_t>(delta, -int64_t(earliest), int64_t(kLatest) - latest);
    }
    for (int r = first_; r <= last_; ++r) {
        const Span& s = original_[r - first_];
        MovieObject& o = objects_[r];
        const uint32_t shortest = std::min(kMinDuration, s.end > s.begin ? s.end - s.begin : 0);
        if (part_ == Part::Middle) {
            o.begin = uint32_t(s.begin + delta);
            o.end = uint32_t(s.end + delta);
        } else if (part_ == Part::LeftEdge) {
            const int64_t latestBegin = std::max<int64_t>(0, int64_t(s.end) - shortest);
            o.begin = uint32_t(std::clamp<int64_t>(s.begin + delta, 0, latestBegin));
        } else {
            const int64_t earliestEnd = std::min<int64_t>(kLatest, int64_t(s.begin) + shortest);
            o.end = uint32_t(std::clamp<int64_t>(s.end + delta, earliestEnd, kLatest));
        }
    }
}

bool TimelineDrag::Changed() const {
    for (int r = first_; r <= last_; ++r) {
        const Span& s = original_[r - first_];
        if (objects_[r].begin != s.begin || objects_[r].end != s.end) return true;
    }
    return false;
}

void TimelineDrag::Cancel() {
    for (int r = first_; r <= last_; ++r) {
        objects_[r].begin = original_[r - first_].begin;
        objects_[r].end = original_[r - first_].end;
    }
}

void TimelineDrag::Finish(Document& document) {
    if (!Changed()) return;
    std::vector<Span> dragged;
    for (int r = first_; r <= last_; ++r) dragged.push_back({objects_[r].begin, objects_[r].end});
    Cancel();
    document.MakeUndoPoint();
    for (int r = first_; r <= last_; ++r) {
        objects_[r].begin = dragged[r - first_].begin;
        objects_[r].end = dragged[r - first_].end;
    }
    document.NotifyObjectsChanged();
    document.NotifyRepaint();
}
