#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "panelwick/Sys/Result.h"
#include "production/PreviewSnapshot.h"
#include "render/PreparedObject.h"

// The prepared objects of the project a preview shows, kept between frames. Update brings
// them to a snapshot: an object equal to one already prepared, whose file has not changed on
// disk, keeps its picture; only new and changed objects are prepared again (a page through
// the drawing server, every other one from its file or fields), each through ScenePreparation
// as the movie does. An object that fails is drawn as its placeholder.
//
// Compose then draws frames at any size: the objects' rates are recomputed for it, so the
// frame equals the movie's frame for a movie of that size.
//
// One thread uses it at a time (the preview's worker).
class PreviewCache {
public:
    // Brings the cache to the snapshot for frames around `frame`: only the objects shown from
    // kBehindMs before to kAheadMs after it are held prepared, the others are released, so
    // memory follows what is near the playhead and not the length of the project. Nothing
    // to do when the revision is the one last brought and the frame is still well inside
    // the prepared span. A cancelled task stops after the object being prepared: the
    // objects done stay cached and the next Update finishes the work.
    Mt::TaskResult Update(const PreviewSnapshot& snapshot, Mt::Task& task, uint32_t frame = 0);
    // Composes movie frame `frame` (inside the span of the last Update) for a movie of
    // width x height into target (created when its size differs).
    Sys::Result Compose(uint32_t frame, int32_t width, int32_t height, CG::DIBitmap& target);

    // Objects prepared by the last Update (reused ones not counted).
    size_t lastPrepared() const { return lastPrepared_; }
    // "FILE: message" of each object drawn as a placeholder, in list order.
    std::vector<std::string> failures() const;
    uint64_t revision() const { return revision_; }

private:
    // What the cached picture was made from.
    struct Source {
        MovieObject object;
        int64_t fileStamp = 0;
        std::string failure;  // empty when it prepared
        bool held = true;     // false: outside the prepared span, nothing prepared
    };
    static constexpr uint64_t kNoRevision = UINT64_MAX;
    static constexpr uint32_t kBehindMs = 2000, kAheadMs = 8000;
    // Playing on, the span moves once fewer than this many ms after the frame are prepared.
    static constexpr uint32_t kLeadMs = 3000;

    bool InSpan(uint32_t ms) const { return ms >= spanBegin_ && ms + kLeadMs <= spanEnd_; }
    // Keeps an object outside the span as drawn, without its picture.
    void Release(const MovieObject& object, std::vector<Source>& sources,
                 std::vector<MovieObject>& drawn, std::vector<PreparedObject>& prepared);

    // Moves a cached entry equal to the source into the new lists; false when there is none.
    bool Reuse(const Source& source, size_t hint, std::vector<Source>& sources,
               std::vector<MovieObject>& drawn, std::vector<PreparedObject>& prepared);
    void Prepare(const Source& source, const PreviewSnapshot& snapshot,
                 std::vector<Source>& sources, std::vector<MovieObject>& drawn,
                 std::vector<PreparedObject>& prepared);

    uint64_t revision_ = kNoRevision;
    uint32_t spanBegin_ = 0, spanEnd_ = 0;  // ms of the movie whose objects are prepared
    std::vector<Source> sources_;
    std::vector<bool> taken_;
    std::vector<MovieObject> drawn_;  // the objects as drawn, placeholders in place of failures
    std::vector<PreparedObject> prepared_;
    MovieProperties properties_;
    std::string folder_;
    int32_t ratesWidth_ = 0, ratesHeight_ = 0;  // the size the rates were computed for
    size_t lastPrepared_ = 0;
    CG::ImageRGBA videoPicture_;
};
