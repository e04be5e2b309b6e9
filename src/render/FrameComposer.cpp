#include "render/FrameComposer.h"

#include "render/ObjectDraw.h"
#include "render/VideoDraw.h"

Sys::Result ComposeFrame(const FrameScene& scene, uint32_t frame, CG::DIBitmap& target,
                         CG::ImageRGBA& videoPicture) {
    const uint32_t back = scene.properties.backColor;
    target.Fill(uint8_t(back), uint8_t(back >> 8), uint8_t(back >> 16));
    const uint8_t fps = scene.properties.fps;
    for (size_t i = 0; i < scene.objects.size() && i < scene.prepared.size(); ++i) {
        const MovieObject& object = scene.objects[i];
        const Sys::Result result =
            object.type == MovieObjectType::Video
                ? DrawVideoAtFrame(object, scene.prepared[i], scene.projectFolder, frame, fps,
                                   videoPicture, target)
                : DrawObjectAtFrame(object, scene.prepared[i], frame, fps, target);
        if (result.failed()) return result;
    }
    return {};
}
