#pragma once

#include <deque>
#include <vector>

#include "project/MovieObject.h"

// The undo and redo stacks: full copies of the object list, newest first, at most 9 each.
class UndoHistory {
public:
    using Snapshot = std::vector<MovieObject>;
    static constexpr size_t kDepth = 9;

    // Pushes a copy of the current list for undoing and forgets everything that could be
    // redone.
    void MakePoint(const Snapshot& current);
    // Each replaces the list with the newest snapshot of its stack and keeps the current list
    // on the other; false, changing nothing, when there is nothing to restore.
    bool Undo(Snapshot& current);
    bool Redo(Snapshot& current);
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    void Clear();

private:
    static void Push(std::deque<Snapshot>& stack, const Snapshot& snapshot);
    static bool Restore(std::deque<Snapshot>& from, std::deque<Snapshot>& to, Snapshot& current);

    std::deque<Snapshot> undo_, redo_;
};
