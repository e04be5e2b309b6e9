#include "panelwick/CG/ImageRGBA.h"

#include <cstring>
#include <new>

namespace CG {

ImageRGBA::ImageRGBA(const ImageRGBA& other) { *this = other; }

ImageRGBA& ImageRGBA::operator=(const ImageRGBA& other) {
    if (this == &other) return *this;
    if (!Create(other.width_, other.height_)) return *this;
    if (byteCount() > 0) std::memcpy(pixels_.get(), other.pixels_.get(), byteCount());
    return *this;
}

bool ImageRGBA::Create(uint32_t width, uint32_t height) {
    if (!Resize(width, height)) return false;
    if (byteCount() > 0) std::memset(pixels_.get(), 0, byteCount());
    return true;
}

bool ImageRGBA::Resize(uint32_t width, uint32_t height) {
    if (pixels_ && width == width_ && height == height_) return true;
    Clear();
    const uint64_t count = uint64_t(width) * height;
    if (count > kMaxPixels) return false;
    if (count > 0) {
        pixels_.reset(new (std::nothrow) uint8_t[count * 4]);
        if (!pixels_) return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void ImageRGBA::Clear() {
    pixels_.reset();
    width_ = height_ = 0;
}

}  // namespace CG
