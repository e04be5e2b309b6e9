#include "production/FrameStream.h"

#include <thread>
#include <vector>

#include "production/FrameQueue.h"
#include "render/FrameComposer.h"
#include "render/FramePlanes.h"
#include "render/WorkMemory.h"

namespace {

// Frames each worker may run ahead of the writer.
constexpr unsigned kFramesAheadPerWorker = 2;

}  // namespace

FrameStream::FrameStream(const FrameScene& scene, FrameRange frames, unsigned workers,
                         IFrameObjects* objects)
    : scene_(scene),
      frames_(frames),
      workers_(workers ? workers : 1),
      objects_(objects),
      frameBytes_(FramePlanes::Size(scene.properties.width, scene.properties.height)) {}

void FrameStream::Feed(Sys::Process& program, Mt::Task& task) {
    FrameQueue queue(size_t(workers_) * kFramesAheadPerWorker, frameBytes_);
    std::vector<std::jthread> threads;
    for (unsigned i = 0; i < workers_; ++i) {
        threads.emplace_back([this, i, &queue, &task] { Work(i, queue, task); });
    }
    for (uint32_t k = 0; k < frames_.count; ++k) {
        const uint8_t* planes = queue.Next();
        if (!planes || !program.Write(planes, frameBytes_)) break;
        queue.Release();
        written_.store(k + 1);
        task.SetProgress(double(k + 1) / frames_.count);
    }
    // Workers waiting for a buffer give up.
    queue.Cancel();
}

void FrameStream::Work(unsigned worker, FrameQueue& queue, Mt::Task& task) {
    WorkMemory memory;
    FramePlanes planes;
    const auto fail = [&](const std::string& message) {
        error_.Set(message);
        task.Cancel();
        queue.Cancel();
    };
    struct End {
        IFrameObjects* objects;
        unsigned worker;
        ~End() {
            if (objects) objects->Finished(worker);
        }
    } end{objects_, worker};
    if (!memory.Reset(scene_.properties.width, scene_.properties.height)) {
        return fail("Out of memory");
    }
    if (objects_) objects_->Range(worker, frames_.first + worker, frames_.first + frames_.count);
    for (uint32_t k = worker; k < frames_.count; k += workers_) {
        if (task.Cancelled()) break;
        const uint32_t frame = frames_.first + k;
        Sys::Result composed = objects_ ? objects_->Before(worker, frame) : Sys::Result();
        if (composed.ok()) composed = ComposeFrame(scene_, frame, memory.frame, memory.videoFrame);
        if (composed.failed()) return fail(composed.message());
        if (objects_) objects_->After(worker, frame);
        uint8_t* slot = queue.Slot(k);
        if (!slot) return;
        planes.Convert(memory.frame, slot);
        queue.Filled(k);
    }
    // The writer may wait for a frame this worker will not make.
    if (task.Cancelled()) queue.Cancel();
}
