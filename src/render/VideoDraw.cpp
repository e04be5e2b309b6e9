#include "render/VideoDraw.h"

#include "panelwick/CG/PictureLoader.h"
#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Sys/Utf.h"
#include "render/Animation.h"
#include "render/DrawPicture.h"
#include "render/FrameTiming.h"

Sys::Result DrawVideoAtFrame(const MovieObject& object, const PreparedObject& prepared,
                             const std::string& projectFolder, uint32_t frame, uint8_t fps,
                             CG::ImageRGBA& videoPicture, CG::DIBitmap& target) {
    if (object.type != MovieObjectType::Video || projectFolder.empty() || object.fileName.empty()) {
        return {};
    }
    const FrameInstant instant = InstantOfFrame(frame, fps);
    if (!IsShownAt(object, instant.milliseconds)) return {};
    const uint32_t videoTime = object.skip + instant.milliseconds - object.begin;
    const std::string path = Sys::FramePictureToOpen(projectFolder, Sys::ToUtf8(object.fileName),
                                                     prepared.frameTimes.FrameFor(videoTime));
    if (CG::LoadPicture(videoPicture, path).failed()) return "Error while loading video frame";
    const FrameTransform transform =
        Animate(object, prepared.rates, prepared.picture.width(), prepared.picture.height(),
                target.width(), target.height(), LocalTime(object, instant.seconds));
    return DrawPicture(videoPicture, target, transform);
}
