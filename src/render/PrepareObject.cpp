#include "render/PrepareObject.h"

#include <fstream>

#include "panelwick/CG/BitmapLoader.h"
#include "panelwick/CG/DIBitmap.h"
#include "panelwick/CG/PictureLoader.h"
#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Sys/Utf.h"
#include "project/ProjectPaths.h"
#include "render/Animation.h"
#include "render/RectanglePicture.h"
#include "render/TextPicture.h"

namespace {

constexpr int kPagePlaceholder = 304;

bool CanOpen(const std::string& path) {
    return std::ifstream(path, std::ios::binary).is_open();
}

Sys::Result PreparePage(const std::string& projectFolder, CG::ImageRGBA& picture) {
    const std::string exported = ProjectPaths(projectFolder).pageExport();
    if (CanOpen(exported)) return CG::LoadPicture(picture, exported);
    CG::DIBitmap bitmap;
    if (CG::LoadBmp(bitmap, kPagePlaceholder).failed()) {
        return "CG::DIBitmap::LoadBmp unable to load resource";
    }
    if (!bitmap.Export(picture)) return "bitmap.Export(customControlOut.imageRGBA)";
    return {};
}

Sys::Result PrepareVideo(const MovieObject& object, PreparedObject& prepared,
                         const std::string& projectFolder) {
    const std::string folder = Sys::ToUtf8(object.fileName);
    const Sys::Result loaded =
        CG::LoadPicture(prepared.picture, Sys::FramePictureToOpen(projectFolder, folder, 1));
    if (loaded.failed()) return loaded;
    if (!prepared.frameTimes.Load(projectFolder, folder)) return "Unable to load video.bin";
    return {};
}

// A failure to load an object's file: the loader's text, then the file's name on its own line.
Sys::Result NamingTheFile(const Sys::Result& result, const MovieObject& object) {
    if (result.ok()) return result;
    return result.message() + "\n" + Sys::ToUtf8(object.fileName);
}

Sys::Result PreparePicture(const MovieObject& object, PreparedObject& prepared,
                           const std::string& projectFolder) {
    switch (object.type) {
        case MovieObjectType::Image:
            return NamingTheFile(
                CG::LoadPicture(prepared.picture,
                                projectFolder + "/" + Sys::ToUtf8(object.fileName)),
                object);
        case MovieObjectType::CorelDrawPage:
            return PreparePage(projectFolder, prepared.picture);
        case MovieObjectType::Rectangle:
            return MakeRectanglePicture(object, prepared.picture);
        case MovieObjectType::Text:
            return MakeTextPicture(object, prepared.picture);
        case MovieObjectType::Video:
            return NamingTheFile(PrepareVideo(object, prepared, projectFolder), object);
        case MovieObjectType::Audio:
            break;
    }
    return {};
}

}  // namespace

Sys::Result PrepareObject(const MovieObject& object, PreparedObject& prepared,
                          const std::string& projectFolder, int32_t width, int32_t height) {
    if (!IsVisual(object.type) || uint8_t(object.type) >= kMovieObjectTypeCount) return {};
    const Sys::Result result = PreparePicture(object, prepared, projectFolder);
    if (result.failed()) return result;
    prepared.rates = ComputeRates(object, width, height);
    return {};
}
