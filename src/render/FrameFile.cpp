#include "render/FrameFile.h"

#include "panelwick/Sys/SystemError.h"
#include "project/ProjectPaths.h"
#include "render/FrameComposer.h"

std::string FrameFilePath(const std::string& projectFolder, uint32_t fileNumber) {
    return ProjectPaths(projectFolder).frame(fileNumber);
}

Sys::Result WriteFrameFile(const FrameScene& scene, uint32_t frame, uint32_t fileNumber,
                           WorkMemory& memory) {
    const Sys::Result composed = ComposeFrame(scene, frame, memory.frame, memory.videoFrame);
    if (composed.failed()) return composed;
    CG::JpegEncoder& encoder = memory.jpgImage;
    if (!encoder.EncodeToFile(memory.frame, FrameFilePath(scene.projectFolder, fileNumber),
                              scene.properties.jpgQuality)) {
        return Sys::WithSystemReason("Document::CreateFrame error workMemory.jpgImage.Encode",
                                     encoder.writeError());
    }
    return {};
}
