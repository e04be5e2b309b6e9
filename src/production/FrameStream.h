#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "panelwick/Mt/SharedText.h"
#include "panelwick/Mt/Task.h"
#include "panelwick/Sys/Process.h"
#include "render/FrameScene.h"
#include "render/FrameTiming.h"
#include "render/IFrameObjects.h"

class FrameQueue;

// Streams frames to a program's standard input as they are composed: rendering workers, worker
// i of n taking frames i, i + n, ..., convert each frame to the encoder's planes (FramePlanes)
// into a bounded queue a few frames ahead of the writer, which writes them in frame order.
// No frame file is written; memory does not grow with the movie's length.
class FrameStream {
public:
    // With objects set, each frame is bracketed by their Before and After (see IFrameObjects).
    FrameStream(const FrameScene& scene, FrameRange frames, unsigned workers,
                IFrameObjects* objects = nullptr);

    // Writes every frame to the program (the feed of EncoderRun). Ends early when the task is
    // cancelled, a write fails (the program ended) or a worker fails; a failing worker stores
    // its message in error() and cancels the task. Progress is frames written / frames.
    void Feed(Sys::Process& program, Mt::Task& task);

    uint32_t written() const { return written_.load(); }
    std::string error() const { return error_.Get(); }

private:
    void Work(unsigned worker, FrameQueue& queue, Mt::Task& task);

    FrameScene scene_;
    FrameRange frames_;
    unsigned workers_;
    IFrameObjects* objects_;
    size_t frameBytes_;
    std::atomic<uint32_t> written_{0};
    Mt::SharedText error_;
};
