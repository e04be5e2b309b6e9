#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace CG {

// A plain picture: width x height pixels of red, green, blue, alpha, rows top to bottom, no
// padding.
class ImageRGBA {
public:
    // The largest picture we allocate: 2^28 pixels (1 GiB).
    static constexpr uint64_t kMaxPixels = uint64_t(1) << 28;

    ImageRGBA() = default;
    ImageRGBA(const ImageRGBA& other);
    ImageRGBA& operator=(const ImageRGBA& other);
    ImageRGBA(ImageRGBA&&) noexcept = default;
    ImageRGBA& operator=(ImageRGBA&&) noexcept = default;

    // Zero-fills the pixels when the size is unchanged, else allocates new zero-filled ones.
    // On failure the picture is left 0 x 0.
    bool Create(uint32_t width, uint32_t height);
    // Sizes the picture like Create but leaves the pixels as they are, for decoders that
    // write every pixel.
    bool Resize(uint32_t width, uint32_t height);
    void Clear();

    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    uint8_t* pixels() { return pixels_.get(); }
    const uint8_t* pixels() const { return pixels_.get(); }
    uint8_t* Row(uint32_t y) { return pixels_.get() + size_t(y) * width_ * 4; }
    const uint8_t* Row(uint32_t y) const { return pixels_.get() + size_t(y) * width_ * 4; }
    size_t byteCount() const { return size_t(width_) * height_ * 4; }

private:
    uint32_t width_ = 0, height_ = 0;
    std::unique_ptr<uint8_t[]> pixels_;
};

}  // namespace CG
