#include "cli/ObjectLine.h"

#include <cstdio>

#include "panelwick/Sys/Utf.h"
#include "project/TimeText.h"

namespace Cli {
namespace {

const char* TypeName(MovieObjectType type) {
    switch (type) {
        case MovieObjectType::Image:
            return "Image";
        case MovieObjectType::Text:
            return "Text";
        case MovieObjectType::Rectangle:
            return "Rectangle";
        case MovieObjectType::CorelDrawPage:
            return "Page";
        case MovieObjectType::Audio:
            return "Audio";
        case MovieObjectType::Video:
            return "Video";
    }
    return "Unknown";
}

}  // namespace

std::string ObjectLine(int row, const MovieObject& object) {
    char head[32];
    std::snprintf(head, sizeof head, "%3d  %-9s ", row, TypeName(object.type));
    return head + TimeText(object.begin, object.end) + Sys::ToUtf8(object.DisplayName()) + "\n";
}

}  // namespace Cli
