#include "render/ObjectDraw.h"

#include "render/Animation.h"
#include "render/DrawPicture.h"
#include "render/FrameTiming.h"

Sys::Result DrawObjectAtFrame(const MovieObject& object, const PreparedObject& prepared,
                              uint32_t frame, uint8_t fps, CG::DIBitmap& target) {
    const FrameInstant instant = InstantOfFrame(frame, fps);
    if (!IsShownAt(object, instant.milliseconds)) return {};
    const FrameTransform transform =
        Animate(object, prepared.rates, prepared.picture.width(), prepared.picture.height(),
                target.width(), target.height(), LocalTime(object, instant.seconds));
    return DrawPicture(prepared.picture, target, transform);
}
