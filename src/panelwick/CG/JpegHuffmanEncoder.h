#pragma once

#include <cstdint>

namespace CG {

class JpegBitWriter;
class JpegHuffmanTable;

// Sequential Huffman coding of one quantized block in zigzag order. The DC difference from the
// component's previous block (taken as 16 bits) is coded by its bit length, then its extra
// bits; the AC coefficients up to the last non-zero one as (zero run, bit length) symbols with
// extra bits, a ZRL symbol (0xF0) for every 16 zeros, and EOB (0x00) unless position 63 is
// non-zero. Extra bits are v for v > 0 and (2^n - 1) - |v| for v < 0.
namespace JpegHuffmanEncoder {

// Coefficient by coefficient.
void EncodeBlock(const int16_t* zigzag, int& dc, const JpegHuffmanTable& dcTable,
                 const JpegHuffmanTable& acTable, JpegBitWriter& writer);
// Jumps from one non-zero coefficient to the next through a bit mask; same bits.
void EncodeBlockFast(const int16_t* zigzag, int& dc, const JpegHuffmanTable& dcTable,
                     const JpegHuffmanTable& acTable, JpegBitWriter& writer);

}  // namespace JpegHuffmanEncoder
}  // namespace CG
