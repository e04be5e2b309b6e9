#include "panelwick/CG/JpegMarkers.h"

#include <initializer_list>

#include "panelwick/CG/JpegBitWriter.h"
#include "panelwick/CG/JpegTables.h"

namespace CG::JpegMarkers {
namespace {

void Put(JpegBitWriter& writer, std::initializer_list<int> bytes) {
    for (int b : bytes) {
        const uint8_t byte = uint8_t(b);
        writer.PutBytes(&byte, 1);
    }
}

void PutTable(JpegBitWriter& writer, int classAndId, const JpegTables::HuffmanSpec& definition) {
    Put(writer, {classAndId});
    writer.PutBytes(definition.counts, 16);
    writer.PutBytes(definition.symbols, size_t(definition.symbolCount));
}

int TableLength(const JpegTables::HuffmanSpec& definition) { return 1 + 16 + definition.symbolCount; }

}  // namespace

void WriteHeaders(JpegBitWriter& writer, int width, int height, bool colour,
                  const uint8_t* luminance, const uint8_t* chrominance) {
    Put(writer, {0xFF, 0xD8});
    Put(writer, {0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
                 0x00, 0x01, 0x00, 0x00});

    Put(writer, {0xFF, 0xDB, 0x00, colour ? 0x84 : 0x43, 0x00});
    writer.PutBytes(luminance, 64);
    if (colour) {
        Put(writer, {0x01});
        writer.PutBytes(chrominance, 64);
    }

    Put(writer, {0xFF, 0xC0, 0x00, colour ? 0x11 : 0x0B, 8, height >> 8, height & 0xFF,
                 width >> 8, width & 0xFF});
    if (colour) {
        Put(writer, {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    } else {
        Put(writer, {1, 1, 0x11, 0});
    }

    using namespace JpegTables;
    int length = 2 + TableLength(kDcLuminance) + TableLength(kAcLuminance);
    if (colour) length += TableLength(kDcChrominance) + TableLength(kAcChrominance);
    Put(writer, {0xFF, 0xC4, length >> 8, length & 0xFF});
    PutTable(writer, 0x00, kDcLuminance);
    PutTable(writer, 0x10, kAcLuminance);
    if (colour) {
        PutTable(writer, 0x01, kDcChrominance);
        PutTable(writer, 0x11, kAcChrominance);
        Put(writer, {0xFF, 0xDA, 0x00, 0x0C, 3, 1, 0x00, 2, 0x11, 3, 0x11, 0x00, 0x3F, 0x00});
    } else {
        Put(writer, {0xFF, 0xDA, 0x00, 0x08, 1, 1, 0x00, 0x00, 0x3F, 0x00});
    }
}

void WriteEnd(JpegBitWriter& writer) { Put(writer, {0xFF, 0xD9}); }

}  // namespace CG::JpegMarkers
