#include "panelwick/CG/JpegKernels.h"

#include "panelwick/CG/JpegColourConverter.h"
#include "panelwick/CG/JpegForwardDct.h"
#include "panelwick/CG/JpegHuffmanEncoder.h"
#include "panelwick/CG/JpegQuantizer.h"
#include "panelwick/Sys/CpuLevel.h"

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

}  // namespace

const JpegKernels& JpegKernels::Plain() {
    return kPlain;
}
const JpegKernels& JpegKernels::Baseline() {
    return kBaseline;
}
const JpegKernels& JpegKernels::Avx2() {
    return kAvx2;
}

bool JpegKernels::ProcessorHasAvx2() {
    return Sys::CpuSupports(Sys::CpuLevel::Avx2);
}

const JpegKernels& JpegKernels::For(Sys::CpuLevel level) {
    switch (level) {
        case Sys::CpuLevel::Plain:
            return kPlain;
        case Sys::CpuLevel::Sse2:
            return kBaseline;
        case Sys::CpuLevel::Avx2:
        case Sys::CpuLevel::Avx512:  // no wider set: the AVX2 one
            return kAvx2;
    }
    return kPlain;
}

const JpegKernels& JpegKernels::Fastest() {
    return For(Sys::ChosenCpuLevel());
}

}  // namespace CG
