#include "panelwick/CG/PictureLoader.h"

#include "panelwick/CG/FileBytes.h"
#include "panelwick/CG/Gif.h"
#include "panelwick/CG/ImageDecoder.h"
#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/CG/PictureMessages.h"
#include "panelwick/Sys/FileSystem.h"

namespace CG {
namespace {

constexpr size_t kMaxExtension = 15;

Sys::Result LoadGifPicture(ImageRGBA& image, const std::string& path) {
    FileBytes file;
    if (!file.Read(path)) return kUnableToOpen;
    return Gif::Decode(file.bytes(), image);
}

Sys::Result LoadAnyPicture(ImageRGBA& image, const std::string& path) {
    const std::string ext = PictureExtension(path);
    if (ext.empty()) return kUnrecognizedFile;
    if (ext == "gif") return LoadGifPicture(image, path);
    if (ext == "jpg" || ext == "jpeg" || ext == "png" || ext == "bmp") {
        FileBytes file;
        if (!file.Read(path)) return kErrorReadingFile;
        return ImageDecoder::Decode(file.bytes(), image);
    }
    return "The file must be JPG, PNG, GIF of BMP";
}

}  // namespace

std::string PictureExtension(const std::string& path) {
    const size_t slash = path.rfind('/');
    return Sys::LowerExtension(slash == std::string::npos ? path : path.substr(slash + 1),
                               kMaxExtension);
}

Sys::Result LoadPicture(ImageRGBA& image, const std::string& path) {
    Sys::Result result = LoadAnyPicture(image, path);
    if (result.failed()) image.Clear();
    return result;
}

}  // namespace CG
