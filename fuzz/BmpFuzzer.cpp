// fuzz-links: panelwick_cg
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "panelwick/CG/BmpParser.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/ImageRGBA.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CG::DIBitmap bitmap;
    if (CG::BmpParser::Parse({data, size}, bitmap).failed()) return 0;
    // Exporting is a plain loop over every pixel; millions of them only slow the search down.
    if (uint64_t(bitmap.width()) * uint64_t(bitmap.height()) > (uint64_t(1) << 20)) return 0;
    // Whatever the file held, the result exports.
    CG::ImageRGBA image;
    if (!bitmap.Export(image)) std::abort();
    return 0;
}
