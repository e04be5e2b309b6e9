#pragma once

#include <cstdint>

#include "panelwick/CG/JpegTables.h"

namespace CG {

// The code and code length of each of the 256 symbols of one Huffman table, built from the code
// counts and symbols in canonical order. Symbols the table lacks have length 0.
class JpegHuffmanTable {
public:
    void Build(const JpegTables::HuffmanSpec& definition);

    uint16_t code[256] = {};
    uint8_t length[256] = {};
};

}  // namespace CG
