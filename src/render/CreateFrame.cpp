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
bool RenderFrame(const FrameJob& job, uint32_t frame, uint32_t fileNumber, WorkMemory& memory) {
    const Sys::Result result = WriteFrameFile(job.scene, frame, fileNumber, memory);
    if (result.failed()) {
        ReportError(job, result.message());
        return false;
    }
    return true;
}

}  // namespace

int CreateFrame(uint32_t workerIndex, uint32_t workerCount, const FrameJob& job,
                WorkMemory& memory) {
    if (job.task.Cancelled() || workerCount == 0) return 0;
    if (job.windowBegin != 0) {
        const FrameWindow window =
            WindowFrames(job.scene.properties.fps, job.windowBegin, job.windowEnd);
        for (uint32_t f = workerIndex; f < job.frameCount; f += workerCount) {
            if (window.first <= f && f <= window.last &&
                !RenderFrame(job, f, f - window.first + 1, memory)) {
                return 0;
            }
            CountFrame(job);
            if (job.task.Cancelled()) return 0;
        }
        return 0;
    }
    const FrameRange block = WorkerBlock(workerIndex, workerCount, job.frameCount);
    for (uint32_t f = block.first; f < block.first + block.count; ++f) {
        if (!RenderFrame(job, f, f + 1, memory)) return 0;
        CountFrame(job);
        if (job.task.Cancelled()) return 0;
    }
    return 0;
}
