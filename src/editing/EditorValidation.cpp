#include "editing/EditorValidation.h"

#include <algorithm>
#include <cmath>

#include "panelwick/Sys/FrameFolder.h"
#include "panelwick/Sys/Utf.h"

namespace {

using Field = EditorRefusal::Field;

std::string FolderName(const MovieObject& object) {
    return Sys::ToUtf8(object.fileName);
}

// A video's skip and end, limited by the length Dv of its frame folder.
void LimitVideo(const EditorInput& in, MovieObject& o, uint32_t videoLength) {
    const double k = std::trunc((in.skipMinutes * 60 + in.skipSeconds) * 1000);
    const uint32_t skip = k > 0 && k < 4294967296.0 ? uint32_t(k) : 0;
    o.skip = videoLength > skip ? skip : 0;
    o.end = std::min(o.end, o.begin - o.skip + videoLength);
    if (o.end - o.begin > videoLength) o.end = o.begin + videoLength;
}

}  // namespace

EditorRefusal ValidateEdit(const EditorInput& in, MovieObject& o, bool silent,
                           const std::string& projectFolder) {
    const uint32_t time = in.state.Store(in.endShown ? o.endState : o.beginState);
    (in.endShown ? o.end : o.begin) = time;
    if (o.end <= o.begin && !silent) {
        return EditorRefusal::Balloon(Field::EndTime, "Invalid T2", "T2 be bigger than T2");
    }
    const MovieObjectType type = o.type;
    if (type == MovieObjectType::Text) {
        if (!in.text.empty()) {
            o.text = in.text;
        } else if (!silent) {
            return EditorRefusal::Balloon(Field::Text, "Please provide a text", "Reelwork");
        }
    }
    o.accelerationX = BoxToStored(in.accelerationX);
    o.accelerationY = BoxToStored(in.accelerationY);
    if (type == MovieObjectType::Text || type == MovieObjectType::Rectangle) {
        o.frontColor = in.frontColor;
        o.backColor = in.backColor;
        o.depth3D = uint8_t(std::clamp<int64_t>(in.depth3D, 1, 100));
    }
    if (type == MovieObjectType::Image && o.fileName.empty() && !silent) {
        return EditorRefusal::Message("Click the Image button to select an image");
    }
    if (type == MovieObjectType::CorelDrawPage) {
        if (o.fileName.empty() && !silent) {
            return EditorRefusal::Message(
                "Click the Corel Draw button to select a Corel Draw file");
        }
        o.page = in.page >= 1 && in.page <= 49 ? uint8_t(in.page) : 1;
    }
    if (type == MovieObjectType::Rectangle) {
        const char* title = "Please provide a valid bigger than zero";
        if (in.width == 0 && !silent)
            return EditorRefusal::Balloon(Field::Width, title, "Invalid Width");
        if (in.height == 0 && !silent) {
            return EditorRefusal::Balloon(Field::Height, title, "Invalid Height");
        }
        if (in.width != 0) o.width = in.width;
        if (in.height != 0) o.height = in.height;
    }
    if (type == MovieObjectType::Video) {
        if (o.fileName.empty()) {
            if (!silent) return EditorRefusal::Message("Click the Video button to select a video");
        } else {
            LimitVideo(in, o, Sys::ReadVideoLength(projectFolder, FolderName(o)));
        }
    }
    return {};
}

uint32_t VideoEndAfterChoice(const MovieObject& o, const std::string& projectFolder) {
    return o.begin + Sys::ReadVideoLength(projectFolder, FolderName(o));
}
