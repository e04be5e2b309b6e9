#include "render/FrameFile.h"

#include <cstdio>

#include "render/FrameComposer.h"

std::string FrameFilePath(const std::string& projectFolder, uint32_t fileNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "/tmp/%08u.jpg", fileNumber);
    return projectFolder + name;
}

Sys::Result WriteFrameFile(const FrameScene& scene, uint32_t frame, uint32_t fileNumber,
                           WorkMemory& memory) {
    const Sys::Result composed = ComposeFrame(scene, frame, memory.frame, memory.videoFrame);
    if (composed.failed()) return composed;
    if (!memory.jpgImage.EncodeToFile(memory.frame, FrameFilePath(scene.projectFolder, fileNumber),
                                      scene.properties.jpgQuality)) {
        return "Document::CreateFrame error workMemory.jpgImage.Encode";
    }
    return {};
}
