#include "panelwick/CG/JpegHuffmanTable.h"

namespace CG {

// Codes of each length are consecutive; moving to the next length appends a zero bit.
void JpegHuffmanTable::Build(const JpegTables::HuffmanSpec& definition) {
    for (int i = 0; i < 256; ++i) code[i] = length[i] = 0;
    uint32_t next = 0;
    int k = 0;
    for (int bits = 1; bits <= 16; ++bits) {
        for (int i = 0; i < definition.counts[bits - 1] && k < definition.symbolCount; ++i, ++k) {
            code[definition.symbols[k]] = uint16_t(next++);
            length[definition.symbols[k]] = uint8_t(bits);
        }
        next <<= 1;
    }
}

}  // namespace CG
