#include "project/UndoHistory.h"

void UndoHistory::Push(std::deque<Snapshot>& stack, const Snapshot& snapshot) {
    stack.push_front(snapshot);
    while (stack.size() > kDepth) stack.pop_back();
}

void UndoHistory::MakePoint(const Snapshot& current) {
    Push(undo_, current);
    redo_.clear();
}

bool UndoHistory::Restore(std::deque<Snapshot>& from, std::deque<Snapshot>& to,
                          Snapshot& current) {
    if (from.empty()) return false;
    Push(to, current);
    current = std::move(from.front());
    from.pop_front();
    return true;
}

bool UndoHistory::Undo(Snapshot& current) { return Restore(undo_, redo_, current); }

bool UndoHistory::Redo(Snapshot& current) { return Restore(redo_, undo_, current); }

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
}
