#include "render/FrameFile.h"

#include <cstdio>
#include <cstring>

#include "render/FrameComposer.h"

namespace {

// The system's text for an error number; safe while other workers ask too.
std::string SystemReason(int error) {
    char text[256];
    return strerror_r(error, text, sizeof text);
}

}  // namespace

std::string FrameFilePath(const std::string& projectFolder, uint32_t fileNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "/tmp/%08u.jpg", fileNumber);
    return projectFolder + name;
}

Sys::Result WriteFrameFile(const FrameScene& scene, uint32_t frame, uint32_t fileNumber,
                           WorkMemory& memory) {
    const Sys::Result composed = ComposeFrame(scene, frame, memory.frame, memory.videoFrame);
    if (composed.failed()) return composed;
    CG::JpegEncoder& encoder = memory.jpgImage;
    if (!encoder.EncodeToFile(memory.frame, FrameFilePath(scene.projectFolder, fileNumber),
                              scene.properties.jpgQuality)) {
        std::string message = "Document::CreateFrame error workMemory.jpgImage.Encode";
        if (encoder.writeError() != 0) message += "\n" + SystemReason(encoder.writeError());
        return message;
    }
    return {};
}
