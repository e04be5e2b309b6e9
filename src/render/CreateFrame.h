#pragma once

#include <cstdint>

#include "render/FrameJob.h"
#include "render/WorkMemory.h"

// The body of rendering worker workerIndex of workerCount: renders its share of the job's
// frames in increasing order, each composed in the worker's memory and written as
// projectFolder/tmp/%08d.jpg at the movie's JPG quality, numbered from 1. The share is one
// contiguous block (see WorkerBlock), or in window mode every workerCount-th frame, of which
// only those inside the window are written (the others are still counted).
//
// After each frame it counts the frame and updates the progress; before the first frame and
// after each frame it returns when the job's task was cancelled. On the first error it stores
// the message in the job's error text, calls notifyError and cancels the task, then returns.
// Always returns 0.
//
// With the job's objects set, each frame is bracketed by their Before and After, and the
// worker's range and end are told to them.
//
// Many workers run at once over one job, each with its own WorkMemory; the job's scene must not
// change until all have returned.
int CreateFrame(uint32_t workerIndex, uint32_t workerCount, const FrameJob& job,
                WorkMemory& memory);
