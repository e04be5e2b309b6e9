#include "panelwick/CG/JpegDecoder.h"

#include <memory>

#include <turbojpeg.h>

#include "panelwick/CG/DecodeLimits.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureMessages.h"

namespace CG {
namespace {

struct HandleCloser {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// Converts inverted CMYK in place: each channel times K, rounded.
void CmykToRgba(ImageRGBA& image) {
    uint8_t* p = image.pixels();
    for (size_t n = size_t(image.width()) * image.height(); n > 0; --n, p += 4) {
        const uint32_t k = p[3];
        p[0] = uint8_t((p[0] * k + 127) / 255);
        p[1] = uint8_t((p[1] * k + 127) / 255);
        p[2] = uint8_t((p[2] * k + 127) / 255);
        p[3] = 255;
    }
}

}  // namespace

Sys::Result JpegDecoder::Decode(std::span<const uint8_t> file, ImageRGBA& image) {
    Handle handle(tjInitDecompress());
    if (!handle) return kOutOfMemory;
    int width = 0, height = 0, subsampling = 0, colourSpace = 0;
    if (tjDecompressHeader3(handle.get(), file.data(), file.size(), &width, &height, &subsampling,
                            &colourSpace) != 0 ||
        width <= 0 || height <= 0) {
        image.Clear();
        return kErrorReadingFile;
    }
    if (!PlausiblePixelCount(uint32_t(width), uint32_t(height), file.size()) ||
        !image.Resize(uint32_t(width), uint32_t(height))) {
        image.Clear();
        return kOutOfMemory;
    }
    const bool cmyk = colourSpace == TJCS_CMYK || colourSpace == TJCS_YCCK;
    if (tjDecompress2(handle.get(), file.data(), file.size(), image.pixels(), width, 0, height,
                      cmyk ? TJPF_CMYK : TJPF_RGBA, TJFLAG_LIMITSCANS) != 0 &&
        tjGetErrorCode(handle.get()) != TJERR_WARNING) {
        image.Clear();
        return kCopyPixels;
    }
    if (cmyk) CmykToRgba(image);
    return {};
}

}  // namespace CG
