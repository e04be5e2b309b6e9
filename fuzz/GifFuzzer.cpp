// fuzz-links: panelwick_cg
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/Gif.h"
#include "panelwick/CG/ImageRGBA.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CG::Gif gif;
    if (gif.Load({data, size}).failed()) return 0;
    if (gif.indices().size() != size_t(gif.width()) * gif.height()) std::abort();
    // The conversions are plain loops over every pixel of the screen; screens of millions of
    // pixels (a few header bytes away) would only slow the search down.
    if (gif.indices().size() > (size_t(1) << 20)) return 0;
    CG::ImageRGBA image;
    CG::DIBitmap bitmap;
    if (gif.ToImage(image) && gif.ToBitmap(bitmap)) {
        CG::ImageRGBA exported;
        if (!bitmap.Export(exported)) std::abort();
    }
    return 0;
}
