#pragma once

#include <cstddef>
#include <cstdint>

#include "panelwick/Sys/CpuLevel.h"

namespace Mm {

class ShelfFilter;

// The audio routines' inner loops. Every table gives the same samples; the plain one is the
// rule written out, the others use what the processor offers. Routines take the active table
// once per block of samples, never per sample.
struct AudioKernels {
    // out[i] = a[i] x weightA / divisor + b[i] x weightB / divisor (see SampleMix.h).
    void (*mixSamples)(const int16_t* a, int32_t weightA, const int16_t* b, int32_t weightB,
                       int32_t divisor, int16_t* out, size_t count);
    // Interleaved stereo frames (left, right, left, ...) through the filter, in place.
    void (*filterStereoFrames)(ShelfFilter& filter, double* samples, size_t frames);
    // Whether a routine that has both forms works a block at a time; the plain table keeps
    // the sample-by-sample rule.
    bool blocks;
    const char* name;

    static const AudioKernels& Plain();
    static const AudioKernels& Sse2();
    static const AudioKernels& Avx2();
    // The table of a level (one the processor runs).
    static const AudioKernels& For(Sys::CpuLevel level);
    // The table the routines use: the one of Sys::ChosenCpuLevel() unless a test chose another.
    static const AudioKernels& Active();
    // Test hook: makes another table active for the whole process; a routine already
    // running keeps the table it took.
    static void SetActive(const AudioKernels& kernels);
};

}  // namespace Mm
