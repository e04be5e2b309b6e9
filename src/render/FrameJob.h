#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "panelwick/Mt/SharedText.h"
#include "panelwick/Mt/Task.h"
#include "render/FrameScene.h"
#include "render/IFrameObjects.h"

// The frames of one movie run, shared by all rendering workers (see CreateFrame). The scene and
// the numbers are read only; the counters are shared:
// - framesDone: frames rendered or skipped so far, incremented once per frame;
// - task: its progress is the fraction of the frames done, stored after each frame; its cancel
//   request is read before the first frame and after each frame; a worker that fails cancels
//   it so that the others stop after their current frame;
// - errorText: the failing worker's message;
// - notifyError: called by a failing worker after it stored the message and before it
//   cancels the task, from the worker's thread: it must only notify (post an event, wake a
//   waiter), never wait for the workers.
struct FrameJob {
    FrameScene scene;
    uint32_t frameCount = 0;
    // A non-zero windowBegin renders only the frames of [windowBegin, windowEnd] (ms), numbered
    // from 1, each worker taking every n-th frame.
    uint32_t windowBegin = 0;
    uint32_t windowEnd = 0;
    std::atomic<uint32_t>& framesDone;
    Mt::Task& task;
    Mt::SharedText& errorText;
    std::function<void()> notifyError;
    // When set, told about every frame so that objects are prepared and released on demand;
    // else every object is prepared before the workers start.
    IFrameObjects* objects = nullptr;
};
