#include "panelwick/CG/ImageDecoder.h"

#include <cstring>

#include "panelwick/CG/BmpParser.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/Gif.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/JpegDecoder.h"
#include "panelwick/CG/PictureMessages.h"
#include "panelwick/CG/PngDecoder.h"

namespace CG {
namespace {

bool StartsWith(std::span<const uint8_t> file, const char* signature, size_t length) {
    return file.size() >= length && std::memcmp(file.data(), signature, length) == 0;
}

// The fourth byte of each pixel of a 32-bit bitmap as the picture's alpha.
void CopyAlpha(const DIBitmap& bitmap, ImageRGBA& image) {
    for (uint32_t y = 0; y < image.height(); ++y) {
        const uint8_t* s = bitmap.Row(int32_t(y)) + 3;
        uint8_t* d = image.Row(y) + 3;
        for (uint32_t x = 0; x < image.width(); ++x, s += 4, d += 4) *d = *s;
    }
}

Sys::Result DecodeBmp(std::span<const uint8_t> file, ImageRGBA& image) {
    DIBitmap bitmap;
    bool alpha = false;
    const Sys::Result parsed = BmpParser::Parse(file, bitmap, alpha);
    if (parsed.failed()) {
        if (parsed.message() == kOutOfMemory) return kOutOfMemory;
        return parsed.message() == BmpParser::kPixels ? kCopyPixels : kErrorReadingFile;
    }
    if (!bitmap.Export(image)) return kOutOfMemory;
    if (alpha) CopyAlpha(bitmap, image);
    return {};
}

}  // namespace

bool ImageDecoder::Recognises(std::span<const uint8_t> head) {
    return StartsWith(head, "\x89PNG\r\n\x1a\n", 8) || StartsWith(head, "\xFF\xD8\xFF", 3) ||
           StartsWith(head, "BM", 2) || StartsWith(head, "GIF8", 4);
}

Sys::Result ImageDecoder::Decode(std::span<const uint8_t> file, ImageRGBA& image) {
    Sys::Result result = kErrorReadingFile;
    if (StartsWith(file, "\x89PNG\r\n\x1a\n", 8)) {
        result = PngDecoder::Decode(file, image);
    } else if (StartsWith(file, "\xFF\xD8\xFF", 3)) {
        result = JpegDecoder::Decode(file, image);
    } else if (StartsWith(file, "BM", 2)) {
        result = DecodeBmp(file, image);
    } else if (StartsWith(file, "GIF8", 4)) {
        result = Gif::Decode(file, image);
    }
    if (result.failed()) image.Clear();
    return result;
}

}  // namespace CG
