#include "panelwick/CG/JpegHuffmanEncoder.h"

#include "panelwick/CG/JpegBitWriter.h"
#include "panelwick/CG/JpegHuffmanTable.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace CG::JpegHuffmanEncoder {
namespace {

constexpr int kZeroRun = 0xF0;
constexpr int kEndOfBlock = 0x00;

void PutValue(JpegBitWriter& writer, const JpegHuffmanTable& table, int run, int v) {
    const int magnitude = v < 0 ? -v : v;
    int n = 0;
    while ((magnitude >> n) != 0) ++n;
    const int symbol = run * 16 + n;
    writer.Put(table.code[symbol], table.length[symbol]);
    if (n > 0) writer.Put(uint32_t(v > 0 ? v : (1 << n) - 1 - magnitude), n);
}

// The symbol's code and the extra bits in one append.
inline void PutValueFast(JpegBitWriter::State& writer, const JpegHuffmanTable& table, int run,
                         int v) {
    const uint32_t magnitude = uint32_t(v < 0 ? -v : v);
    const int n = magnitude == 0 ? 0 : 32 - __builtin_clz(magnitude);
    const uint32_t extra = uint32_t(v < 0 ? v - 1 : v) & ((1u << n) - 1);
    const int symbol = run * 16 + n;
    writer.Put((uint32_t(table.code[symbol]) << n) | extra, table.length[symbol] + n);
}

// Bit i is set when coefficient i is not zero.
inline uint64_t NonZeroMask(const int16_t* zigzag) {
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    uint64_t zeros = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(zigzag + 16 * i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(zigzag + 16 * i + 8));
        const __m128i bytes = _mm_packs_epi16(_mm_cmpeq_epi16(a, zero), _mm_cmpeq_epi16(b, zero));
        zeros |= uint64_t(uint16_t(_mm_movemask_epi8(bytes))) << (16 * i);
    }
    return ~zeros;
#else
    uint64_t mask = 0;
    for (int i = 0; i < 64; ++i) mask |= uint64_t(zigzag[i] != 0) << i;
    return mask;
#endif
}

}  // namespace

void EncodeBlock(const int16_t* zigzag, int& dc, const JpegHuffmanTable& dcTable,
                 const JpegHuffmanTable& acTable, JpegBitWriter& writer) {
    PutValue(writer, dcTable, 0, int16_t(zigzag[0] - dc));
    dc = zigzag[0];
    int last = 63;
    while (last > 0 && zigzag[last] == 0) --last;
    int run = 0;
    for (int i = 1; i <= last; ++i) {
        if (zigzag[i] == 0) {
            if (++run == 16) {
                writer.Put(acTable.code[kZeroRun], acTable.length[kZeroRun]);
                run = 0;
            }
            continue;
        }
        PutValue(writer, acTable, run, zigzag[i]);
        run = 0;
    }
    if (last < 63) writer.Put(acTable.code[kEndOfBlock], acTable.length[kEndOfBlock]);
}

void EncodeBlockFast(const int16_t* zigzag, int& dc, const JpegHuffmanTable& dcTable,
                     const JpegHuffmanTable& acTable, JpegBitWriter& bitWriter) {
    JpegBitWriter::State writer = bitWriter.state();
    PutValueFast(writer, dcTable, 0, int16_t(zigzag[0] - dc));
    dc = zigzag[0];
    uint64_t mask = NonZeroMask(zigzag) & ~uint64_t(1);
    int last = 0;
    while (mask != 0) {
        const int k = __builtin_ctzll(mask);
        mask &= mask - 1;
        int run = k - last - 1;
        last = k;
        for (; run >= 16; run -= 16) writer.Put(acTable.code[kZeroRun], acTable.length[kZeroRun]);
        PutValueFast(writer, acTable, run, zigzag[k]);
    }
    if (last != 63) writer.Put(acTable.code[kEndOfBlock], acTable.length[kEndOfBlock]);
    bitWriter.state() = writer;
}

}  // namespace CG::JpegHuffmanEncoder
