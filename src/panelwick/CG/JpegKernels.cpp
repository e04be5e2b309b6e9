#include "panelwick/CG/JpegKernels.h"

#include <cstdlib>
#include <cstring>

#include "panelwick/CG/JpegColourConverter.h"
#include "panelwick/CG/JpegForwardDct.h"
#include "panelwick/CG/JpegHuffmanEncoder.h"
#include "panelwick/CG/JpegQuantizer.h"

namespace CG {
namespace {

const JpegKernels kPlain = {JpegColourConverter::ConvertMacroblock, JpegForwardDct::Transform,
                            JpegQuantizer::Quantize, JpegHuffmanEncoder::EncodeBlock, "plain"};
const JpegKernels kBaseline = {JpegColourConverter::ConvertMacroblock, JpegForwardDct::Transform,
                               JpegQuantizer::Quantize, JpegHuffmanEncoder::EncodeBlockFast,
                               "baseline"};
const JpegKernels kAvx2 = {JpegColourConverter::ConvertMacroblockAvx2,
                           JpegForwardDct::TransformAvx2, JpegQuantizer::QuantizeAvx2,
                           JpegHuffmanEncoder::EncodeBlockFast, "avx2"};

bool ForceScalar() {
    const char* value = std::getenv("REELWORK_FORCE_SCALAR");
    return value && std::strcmp(value, "1") == 0;
}

const JpegKernels& Choose() {
    if (ForceScalar()) return kPlain;
    return JpegKernels::ProcessorHasAvx2() ? kAvx2 : kBaseline;
}

}  // namespace

const JpegKernels& JpegKernels::Plain() { return kPlain; }
const JpegKernels& JpegKernels::Baseline() { return kBaseline; }
const JpegKernels& JpegKernels::Avx2() { return kAvx2; }

bool JpegKernels::ProcessorHasAvx2() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

const JpegKernels& JpegKernels::Fastest() {
    static const JpegKernels& chosen = Choose();
    return chosen;
}

}  // namespace CG
