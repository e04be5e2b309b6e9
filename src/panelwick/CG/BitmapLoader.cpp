#include "panelwick/CG/BitmapLoader.h"

#include "panelwick/CG/BmpParser.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/FileBytes.h"
#include "panelwick/CG/Gif.h"
#include "panelwick/CG/ImageDecoder.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureLoader.h"
#include "panelwick/CG/PictureMessages.h"
#include "panelwick/Sys/Resource.h"

namespace CG {
namespace {

bool Opaque(const ImageRGBA& image) {
    const uint8_t* p = image.pixels();
    for (size_t n = size_t(image.width()) * image.height(); n > 0; --n, p += 4) {
        if (p[3] != 255) return false;
    }
    return true;
}

// A decoded picture as a top-down bitmap: 24-bit when opaque, else 32-bit with alpha.
bool FromImage(const ImageRGBA& image, DIBitmap& bitmap) {
    const bool opaque = Opaque(image);
    const int step = opaque ? 3 : 4;
    if (!bitmap.Create(opaque ? 24 : 32, 0, int32_t(image.width()), int32_t(image.height()),
                       false)) {
        return false;
    }
    for (uint32_t y = 0; y < image.height(); ++y) {
        const uint8_t* s = image.Row(y);
        uint8_t* d = bitmap.Row(int32_t(y));
        for (uint32_t x = 0; x < image.width(); ++x, s += 4, d += step) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
            if (!opaque) d[3] = s[3];
        }
    }
    return true;
}

Sys::Result LoadImagingBitmap(DIBitmap& bitmap, const std::string& path, const std::string& ext) {
    if (ext != "jpg" && ext != "jpeg" && ext != "png") return "The file must be JPG or PNG";
    FileBytes file;
    if (!file.Read(path)) return kErrorReadingFile;
    ImageRGBA image;
    Sys::Result decoded = ImageDecoder::Decode(file.bytes(), image);
    if (decoded.failed()) return decoded;
    if (!FromImage(image, bitmap)) return kOutOfMemory;
    return {};
}

Sys::Result LoadGifBitmap(DIBitmap& bitmap, const std::string& path) {
    FileBytes file;
    if (!file.Read(path)) return kUnableToOpen;
    Gif gif;
    const Sys::Result loaded = gif.Load(file.bytes());
    if (loaded.failed()) return loaded.message() == Gif::kImageEmpty ? kImageEmpty : loaded;
    if (!gif.ToBitmap(bitmap)) return "Error creating bitmap";
    return {};
}

Sys::Result LoadAnyBitmap(DIBitmap& bitmap, const std::string& path) {
    const std::string ext = PictureExtension(path);
    if (ext.empty()) return kUnrecognizedFile;
    if (ext == "bmp") {
        FileBytes file;
        if (!file.Read(path)) return kUnableToOpen;
        return BmpParser::Parse(file.bytes(), bitmap);
    }
    if (ext == "gif") return LoadGifBitmap(bitmap, path);
    if (ext == "jpg" || ext == "jpeg" || ext == "png") return LoadImagingBitmap(bitmap, path, ext);
    return "The file must be BMP, GIF, JPG or PNG";
}

}  // namespace

Sys::Result LoadBitmap(DIBitmap& bitmap, const std::string& path) {
    Sys::Result result = LoadAnyBitmap(bitmap, path);
    if (result.failed()) bitmap.Clear();
    return result;
}

Sys::Result LoadBmp(DIBitmap& bitmap, int resourceId) {
    const std::span<const uint8_t> resource = Sys::FindResource(resourceId);
    if (resource.empty()) {
        bitmap.Clear();
        return "CG::DIBitmap::LoadBmp unable to load resource";
    }
    return BmpParser::Parse(resource, bitmap);
}

}  // namespace CG
