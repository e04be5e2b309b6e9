#include "panelwick/Mm/AudioKernels.h"

#include <atomic>

#include "panelwick/Mm/SampleMix.h"
#include "panelwick/Mm/ShelfFilter.h"

namespace Mm {
namespace {

const AudioKernels kPlain = {MixSamplesPlain, ShelfFilter::FilterFramesPlain, false, "plain"};
#if defined(__x86_64__)
const AudioKernels kSse2 = {MixSamplesSse2, ShelfFilter::FilterFramesSse2, true, "sse2"};
const AudioKernels kAvx2 = {MixSamplesAvx2, ShelfFilter::FilterFramesSse2, true, "avx2"};
#else
const AudioKernels kSse2 = kPlain;
const AudioKernels kAvx2 = kPlain;
#endif

std::atomic<const AudioKernels*>& ActiveTable() {
    static std::atomic<const AudioKernels*> active{&AudioKernels::For(Sys::ChosenCpuLevel())};
    return active;
}

}  // namespace

const AudioKernels& AudioKernels::Plain() {
    return kPlain;
}
const AudioKernels& AudioKernels::Sse2() {
    return kSse2;
}
const AudioKernels& AudioKernels::Avx2() {
    return kAvx2;
}

const AudioKernels& AudioKernels::For(Sys::CpuLevel level) {
    switch (level) {
        case Sys::CpuLevel::Plain:
            return kPlain;
        case Sys::CpuLevel::Sse2:
            return kSse2;
        case Sys::CpuLevel::Avx2:
        case Sys::CpuLevel::Avx512:  // no wider set: the AVX2 one
            return kAvx2;
    }
    return kPlain;
}

const AudioKernels& AudioKernels::Active() {
    return *ActiveTable().load(std::memory_order_relaxed);
}

void AudioKernels::SetActive(const AudioKernels& kernels) {
    ActiveTable().store(&kernels, std::memory_order_relaxed);
}

}  // namespace Mm
