// fuzz-links: panelwick_cg
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "panelwick/CG/ImageDecoder.h"
#include "panelwick/CG/ImageRGBA.h"

// PNG, JPG, BMP and GIF bytes, chosen by their first bytes as the picture loader does.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CG::ImageRGBA image;
    const bool ok = CG::ImageDecoder::Decode({data, size}, image).ok();
    if (ok == image.empty()) std::abort();
    return 0;
}
