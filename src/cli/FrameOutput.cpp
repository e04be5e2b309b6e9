#include "cli/FrameOutput.h"

#include "cli/Command.h"
#include "panelwick/CG/BmpWriter.h"
#include "panelwick/CG/JpegEncoder.h"
#include "panelwick/CG/PngWriter.h"
#include "panelwick/Sys/FileSystem.h"
#include "production/ScenePreparation.h"
#include "project/Document.h"
#include "render/FrameComposer.h"

namespace Cli {
namespace {

Sys::Result Save(const CG::DIBitmap& frame, const std::string& path, int quality) {
    const std::string ext = Sys::LowerExtension(path, 8);
    if (ext == "jpg" || ext == "jpeg") {
        CG::JpegEncoder encoder;
        if (!encoder.EncodeToFile(frame, path, quality)) return "Unable to write " + path;
        return {};
    }
    if (ext == "bmp") return CG::BmpWriter::Save(frame, path);
    CG::ImageRGBA image;
    if (!frame.Export(image)) return "Out of memory";
    return CG::PngWriter::Save(image, path);
}

}  // namespace

int WriteProjectFrame(const Document& document, const MovieProperties& properties,
                      uint32_t frame, const std::string& out, bool skipFailures) {
    ScenePreparation preparation(document.objects, properties, document.paths());
    preparation.SetSkipFailures(skipFailures);
    if (Mt::TaskResult r = preparation.PrepareAll(Mt::Task::Unwatched()); !r.ok()) {
        return Fail(r.message());
    }
    CG::DIBitmap picture;
    CG::ImageRGBA video;
    if (!picture.Create(24, 0, properties.width, properties.height, false)) {
        return Fail("Out of memory");
    }
    const FrameScene scene = preparation.scene().frameScene();
    if (Sys::Result r = ComposeFrame(scene, frame, picture, video); r.failed()) {
        return Fail(r.message());
    }
    if (Sys::Result r = Save(picture, AbsolutePath(out), properties.jpgQuality); r.failed()) {
        return Fail(r.message());
    }
    return kExitOk;
}

}  // namespace Cli
