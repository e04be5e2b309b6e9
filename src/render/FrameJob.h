#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "panelwick/Mt/SharedText.h"
#include "panelwick/Mt/StopFlags.h"
#include "render/FrameScene.h"

// The frames of one movie run, shared by all rendering workers (see CreateFrame). The scene and
// the numbers are read only; the counters are shared:
// - framesDone: frames rendered or skipped so far, incremented once per frame;
// - progress: percent done x 2^31, stored with one atomic 64-bit write after each frame;
// - stopFlags: read before the first frame and after each frame; a worker that fails sets
//   bit 0 so that the others stop after their current frame;
// - errorText: the failing worker's message;
// - notifyError: called by a failing worker after it stored the message and before it sets
//   the stop bit, from the worker's thread: it must only notify (post an event, wake a
//   waiter), never wait for the workers.
struct FrameJob {
    FrameScene scene;
    uint32_t frameCount = 0;
    // A non-zero windowBegin renders only the frames of [windowBegin, windowEnd] (ms), numbered
    // from 1, each worker taking every n-th frame.
    uint32_t windowBegin = 0;
    uint32_t windowEnd = 0;
    std::atomic<uint32_t>& framesDone;
    std::atomic<int64_t>& progress;
    Mt::StopFlags& stopFlags;
    Mt::SharedText& errorText;
    std::function<void()> notifyError;
};
