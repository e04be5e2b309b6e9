#include "render/CreateFrame.h"

#include "render/FrameFile.h"
#include "render/FrameTiming.h"

namespace {

// Adds one frame to the shared count and stores the progress it makes of the whole.
void CountFrame(const FrameJob& job) {
    const uint32_t done = job.framesDone.fetch_add(1) + 1;
    job.task.SetProgress(double(done) / job.frameCount);
}

void ReportError(const FrameJob& job, const std::string& message) {
    job.errorText.Set(message);
    if (job.notifyError) job.notifyError();
    job.task.Cancel();
}

// Renders one frame into its file; false after reporting an error.
bool RenderFrame(const FrameJob& job, uint32_t worker, uint32_t frame, uint32_t fileNumber,
                 WorkMemory& memory) {
    Sys::Result result = job.objects ? job.objects->Before(worker, frame) : Sys::Result();
    if (result.ok()) result = WriteFrameFile(job.scene, frame, fileNumber, memory);
    if (result.failed()) {
        ReportError(job, result.message());
        return false;
    }
    if (job.objects) job.objects->After(worker, frame);
    return true;
}

// Tells the job's objects that the worker is done, however it ends.
struct WorkerEnd {
    const FrameJob& job;
    uint32_t worker;
    ~WorkerEnd() {
        if (job.objects) job.objects->Finished(worker);
    }
};

}  // namespace

int CreateFrame(uint32_t workerIndex, uint32_t workerCount, const FrameJob& job,
                WorkMemory& memory) {
    if (workerCount == 0) return 0;
    const WorkerEnd end{job, workerIndex};
    if (job.task.Cancelled()) return 0;
    if (job.windowBegin != 0) {
        if (job.objects) job.objects->Range(workerIndex, workerIndex, job.frameCount);
        const FrameWindow window =
            WindowFrames(job.scene.properties.fps, job.windowBegin, job.windowEnd);
        for (uint32_t f = workerIndex; f < job.frameCount; f += workerCount) {
            if (window.first <= f && f <= window.last &&
                !RenderFrame(job, workerIndex, f, f - window.first + 1, memory)) {
                return 0;
            }
            CountFrame(job);
            if (job.task.Cancelled()) return 0;
        }
        return 0;
    }
    const FrameRange block = WorkerBlock(workerIndex, workerCount, job.frameCount);
    if (job.objects) job.objects->Range(workerIndex, block.first, block.first + block.count);
    for (uint32_t f = block.first; f < block.first + block.count; ++f) {
        if (!RenderFrame(job, workerIndex, f, f + 1, memory)) return 0;
        CountFrame(job);
        if (job.task.Cancelled()) return 0;
    }
    return 0;
}
