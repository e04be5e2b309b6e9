#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace CG {

class ImageRGBA;

// A device-independent bitmap in the Windows DIB layout: a header (a 40-byte info header or a
// 12-byte core header, then the colour table) and rows padded to a multiple of 4 bytes.
// 24-bit pixels are blue, green, red. Movie frames are 24-bit and top-down.
class DIBitmap {
public:
    static constexpr uint32_t kCompressionRGB = 0;
    static constexpr uint32_t kCompressionBitFields = 3;
    // The largest pixel block we allocate: 1 GiB.
    static constexpr uint64_t kMaxPixelBytes = uint64_t(1) << 30;

    virtual ~DIBitmap() = default;

    // A zero-filled bitmap with an info header: size 40, planes 1, uncompressed, 11811
    // pixels per metre, the colour table sized from bitsPerPixel and coloursUsed.
    bool Create(uint16_t bitsPerPixel, uint32_t coloursUsed, int32_t width, int32_t height,
                bool bottomUp);
    // Takes a header (info or core header and colour table) and its pixel rows as they are
    // stored; false when the header is too short or the rows are fewer than it describes.
    bool Adopt(std::vector<uint8_t> header, std::unique_ptr<uint8_t[]> pixels, size_t size);
    void Clear();

    // 24-bit uncompressed bitmaps only.
    bool Fill(uint8_t red, uint8_t green, uint8_t blue);
    // Width x height x 3 bytes of red, green, blue, rows top to bottom, no padding; 8-bit
    // (through the colour table), 24-bit and 32-bit uncompressed bitmaps only.
    bool ExportRGB(uint8_t* destination) const;
    // The same pixels with alpha 255.
    bool Export(ImageRGBA& image) const;

    bool empty() const { return !pixels_; }
    int32_t width() const;
    int32_t height() const;  // always positive
    bool bottomUp() const;
    uint16_t bitsPerPixel() const;
    uint32_t compression() const;
    uint32_t stride() const { return stride_; }
    size_t pixelDataSize() const { return size_; }
    uint8_t* pixels() { return pixels_.get(); }
    const uint8_t* pixels() const { return pixels_.get(); }
    // The row that shows at position y counted from the top, whatever the storage order.
    uint8_t* Row(int32_t y);
    const uint8_t* Row(int32_t y) const;
    const std::vector<uint8_t>& header() const { return header_; }
    // Colour table entry i as blue, green, red (black beyond the table).
    void Colour(uint32_t i, uint8_t& blue, uint8_t& green, uint8_t& red) const;
    // Sets colour table entry i; false beyond the table.
    bool SetColour(uint32_t i, uint8_t red, uint8_t green, uint8_t blue);
    uint32_t colourCount() const;

    static uint32_t Stride(uint16_t bitsPerPixel, int32_t width) {
        return uint32_t(((uint64_t(bitsPerPixel) * uint32_t(width) + 31) / 32) * 4);
    }

private:
    template <typename Sink>
    bool ExportRows(Sink sink) const;
    bool IsCore() const { return header_.size() >= 4 && header_[0] == 12; }
    uint32_t HeaderSize() const;

    std::vector<uint8_t> header_;
    std::unique_ptr<uint8_t[]> pixels_;
    size_t size_ = 0;
    uint32_t stride_ = 0;
};

}  // namespace CG
