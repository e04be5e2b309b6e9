#include "project/TimelineEditor.h"

#include <algorithm>

#include "panelwick/Sys/BufferReader.h"
#include "panelwick/Sys/BufferWriter.h"

bool TimelineEditor::SelectionInOpenProject(int& first, int& last) const {
    return doc_.IsOpen() && doc_.SelectedRange(first, last);
}

void TimelineEditor::TimeSlot(uint32_t& begin, uint32_t& duration) const {
    const int rows = static_cast<int>(doc_.objects.size());
    int row = -1;
    if (doc_.last() >= 0 && doc_.last() < rows) {
        row = doc_.last();
    } else if (doc_.first() >= 0 && doc_.first() < rows) {
        row = doc_.first();
    }
    if (row < 0) {
        begin = 0;
        duration = 10000;
        return;
    }
    const MovieObject& o = doc_.objects[row];
    begin = o.end;
    duration = o.end - o.begin;
}

MovieObject TimelineEditor::NewVisualObject(MovieObjectType type) const {
    MovieObject o;
    uint32_t duration;
    TimeSlot(o.begin, duration);
    o.type = type;
    o.end = o.begin + duration;
    for (ObjectState* s : {&o.beginState, &o.endState}) {
        s->x = 800000;
        s->y = 450000;
        s->sizeX = s->sizeY = 10000;
    }
    if (type == MovieObjectType::Text) o.fileName = u"Arial";
    return o;
}

MovieObject TimelineEditor::NewAudioObject() const {
    MovieObject o;
    uint32_t duration;
    TimeSlot(o.begin, duration);
    o.type = MovieObjectType::Audio;
    o.end = o.begin + duration;
    return o;
}

void TimelineEditor::Insert(const MovieObject& object, bool undoPoint) {
    if (!doc_.IsOpen()) return;
    if (undoPoint) doc_.MakeUndoPoint();
    const int rows = static_cast<int>(doc_.objects.size());
    int row;
    if (doc_.first() < 0 || doc_.last() < 0) {
        row = rows;
    } else {
        row = std::min(doc_.first() + 1, rows);
        doc_.ClearSelection();
    }
    doc_.objects.insert(doc_.objects.begin() + row, object);
    doc_.Select(row, row);
    doc_.NotifyRepaint();
}

void TimelineEditor::Delete(IDocumentPrompt* confirm) {
    int first, last;
    if (!SelectionInOpenProject(first, last)) return;
    if (confirm && !confirm->AskYesNo(first == last
                                          ? "Are you sure you want to delete the selected item?"
                                          : "Are you sure you want to delete the selected items?")) {
        return;
    }
    doc_.MakeUndoPoint();
    doc_.objects.erase(doc_.objects.begin() + first, doc_.objects.begin() + last + 1);
    doc_.ClearSelection();
    doc_.NotifyRepaint();
    doc_.NotifyObjectsChanged();
}

bool TimelineEditor::Copy(IObjectClipboard& clipboard) const {
    int first, last;
    if (!doc_.SelectedRange(first, last)) return false;
    Sys::BufferWriter writer;
    (void)writer.WriteU32(static_cast<uint32_t>(last - first + 1));
    for (int row = first; row <= last; ++row) (void)doc_.objects[row].Write(writer);
    return clipboard.Put(writer.data());
}

void TimelineEditor::Cut(IObjectClipboard& clipboard) {
    if (Copy(clipboard)) Delete(nullptr);
}

bool TimelineEditor::Paste(IObjectClipboard& clipboard) {
    std::string block;
    if (!doc_.IsOpen() || !clipboard.Get(block)) return false;
    Sys::BufferReader reader(block);
    uint32_t count;
    if (!reader.ReadU32(count)) return false;
    doc_.MakeUndoPoint();
    for (uint32_t i = 0; i < count; ++i) {
        MovieObject object;
        if (!object.Read(reader)) break;
        Insert(object, false);
    }
    doc_.NotifyObjectsChanged();
    return true;
}

void TimelineEditor::Undo() {
    if (doc_.Undo()) doc_.NotifyObjectsChanged();
}

void TimelineEditor::Redo() {
    if (doc_.Redo()) doc_.NotifyObjectsChanged();
}

void TimelineEditor::ShiftTimes(int delta) {
    int first, last;
    if (!SelectionInOpenProject(first, last)) return;
    doc_.MakeUndoPoint();
    for (int row = first; row <= last; ++row) {
        MovieObject& o = doc_.objects[row];
        o.begin = static_cast<uint32_t>(std::max<int64_t>(0, int64_t(int32_t(o.begin)) + delta));
        o.end = static_cast<uint32_t>(std::max<int64_t>(0, int64_t(int32_t(o.end)) + delta));
    }
    doc_.NotifyObjectsChanged();
    doc_.NotifyRepaint();
}

void TimelineEditor::ChangeEndTimes(int delta) {
    int first, last;
    if (!SelectionInOpenProject(first, last)) return;
    doc_.MakeUndoPoint();
    for (int row = first; row <= last; ++row) {
        MovieObject& o = doc_.objects[row];
        if (o.type == MovieObjectType::Audio) continue;
        o.end = static_cast<uint32_t>(std::max<int64_t>(0, int64_t(int32_t(o.end)) + delta));
        if (o.end <= o.begin) o.end = o.begin + 100;
    }
    doc_.NotifyObjectsChanged();
    doc_.NotifyRepaint();
}

void TimelineEditor::AlignTime() {
    int first, last;
    if (!SelectionInOpenProject(first, last)) return;
    int32_t earliest = int32_t(doc_.objects[first].begin);
    for (int row = first; row <= last; ++row) {
        earliest = std::min(earliest, int32_t(doc_.objects[row].begin));
    }
    doc_.MakeUndoPoint();
    for (int row = first; row <= last; ++row) {
        MovieObject& o = doc_.objects[row];
        const uint32_t duration = o.end - o.begin;
        o.begin = uint32_t(earliest);
        o.end = o.begin + duration;
    }
    doc_.NotifyObjectsChanged();
    doc_.NotifyRepaint();
}

void TimelineEditor::MakeSameDuration() {
    int first, last;
    if (!SelectionInOpenProject(first, last)) return;
    int32_t longest = 0;
    for (int row = first; row <= last; ++row) {
        const MovieObject& o = doc_.objects[row];
        if (o.type == MovieObjectType::Audio || o.type == MovieObjectType::Video) {
            longest = std::max(longest, int32_t(o.end - o.begin));
        }
    }
    doc_.MakeUndoPoint();
    for (int row = first; row <= last; ++row) {
        doc_.objects[row].end = doc_.objects[row].begin + uint32_t(longest);
    }
    doc_.NotifyObjectsChanged();
    doc_.NotifyRepaint();
}

void TimelineEditor::MoveAfter() {
    int first, last;
    if (!SelectionInOpenProject(first, last)) return;
    const uint32_t start = doc_.objects[first].end + 100;
    doc_.MakeUndoPoint();
    for (int row = first + 1; row <= last; ++row) {
        MovieObject& o = doc_.objects[row];
        const uint32_t duration = o.end - o.begin;
        o.begin = start;
        o.end = start + duration;
    }
    doc_.NotifyObjectsChanged();
    doc_.NotifyRepaint();
}
