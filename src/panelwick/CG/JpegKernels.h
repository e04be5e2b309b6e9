#pragma once

#include <cstddef>
#include <cstdint>

#include "panelwick/Sys/CpuLevel.h"

namespace CG {

class JpegBitWriter;
class JpegHuffmanTable;

// The encoder's per-block stages. Every set gives the same bytes; the plain one is the rule
// written out, the others use what the processor offers; an encoder takes its set when it is
// made. Float blocks and divisors are 32-byte aligned.
struct JpegKernels {
    void (*convertMacroblock)(const uint8_t* topLeft, ptrdiff_t step, bool bgr, float* blocks);
    void (*forwardDct)(float* block);
    void (*quantize)(const float* block, const float* divisors, int16_t* zigzag);
    void (*encodeBlock)(const int16_t* zigzag, int& dc, const JpegHuffmanTable& dcTable,
                        const JpegHuffmanTable& acTable, JpegBitWriter& writer);
    const char* name;

    // Scalar code throughout.
    static const JpegKernels& Plain();
    // Scalar stages with the mask-driven Huffman coder: any x86-64 processor.
    static const JpegKernels& Baseline();
    // AVX2 conversion, DCT and quantisation; only when the processor has AVX2.
    static const JpegKernels& Avx2();
    static bool ProcessorHasAvx2();
    // The set of a level: plain, baseline for SSE2, AVX2.
    static const JpegKernels& For(Sys::CpuLevel level);
    // The set of Sys::ChosenCpuLevel(): the fastest this processor runs, or the plain set.
    static const JpegKernels& Fastest();
};

}  // namespace CG
