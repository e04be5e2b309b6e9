#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "production/PreparedScene.h"

// Prepares a project's objects for drawing, for its movie size: vector-drawing pages through
// one drawing-server session (each exported to the project's page export file, prepared from
// it and the file deleted again), every other visual object from its file or its fields.
// Movie creation runs the pages and the other pictures as two stages; render-frame, the
// thumbnail and the editor's preview prepare all at once.
//
// Objects outside the time range stay unprepared. The task is checked after each object: a
// cancel ends the preparation as stopped. Progress is objects done / objects of the step.
class ScenePreparation {
public:
    // The objects that overlap [begin, end] ms take part; begin 0 takes every object.
    ScenePreparation(const std::vector<MovieObject>& objects, const MovieProperties& properties,
                     ProjectPaths paths, uint32_t begin = 0, uint32_t end = 0);

    // With skipping on, an object that fails to prepare is left out of the scene instead of
    // ending the preparation with its message (a thumbnail draws what it can).
    void SetSkipFailures(bool skip) { skipFailures_ = skip; }

    size_t pageCount() const;
    size_t pictureCount() const;
    Mt::TaskResult PreparePages(Mt::Task& task);
    Mt::TaskResult PreparePictures(Mt::Task& task);
    // Pages, then pictures, then the failed objects left out when skipping.
    Mt::TaskResult PrepareAll(Mt::Task& task);

    PreparedScene& scene() { return scene_; }
    // The messages of the objects that were left out, in list order.
    const std::vector<std::string>& skipped() const { return skipped_; }

private:
    bool TakesPart(const MovieObject& object) const;
    bool IsPage(const MovieObject& object) const;
    bool IsPicture(const MovieObject& object) const;
    // Records a failure: ends the step unless failures are skipped.
    bool Failed(size_t index, const Sys::Result& result);
    void DropFailed();

    PreparedScene scene_;
    uint32_t begin_, end_;
    bool skipFailures_ = false;
    std::vector<bool> failed_;
    std::vector<std::string> skipped_;
};
