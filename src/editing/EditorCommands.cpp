#include "editing/EditorCommands.h"

#include "panelwick/Sys/Utf.h"
#include "render/TextPicture.h"

AlignmentResult Align(EditorCommand command, uint32_t w, uint32_t h, const ObjectState& s) {
    const double sx = s.sizeX / 10000.0, sy = s.sizeY / 10000.0;
    switch (command) {
        case EditorCommand::AlignTop:
            return {true, false, h * 0.5 * sy};
        case EditorCommand::CenterVertically:
            return {true, false, 450};
        case EditorCommand::AlignBottom:
            return {true, false, 900 - h * 0.5 * sy};
        case EditorCommand::AlignLeft:
            return {true, true, w * 0.5 * sx};
        case EditorCommand::CenterHorizontally:
            return {true, true, 800};
        case EditorCommand::AlignRight:
            return {true, true, 1600 - w * 0.5 * sx};
        default:
            return {};
    }
}

const char* EditorCommandText(EditorCommand command) {
    switch (command) {
        case EditorCommand::AlignTop:
            return "Align with Top of Movie";
        case EditorCommand::CenterVertically:
            return "Center Vertically";
        case EditorCommand::AlignBottom:
            return "Align with Bottom of Movie";
        case EditorCommand::AlignLeft:
            return "Align to the Left";
        case EditorCommand::CenterHorizontally:
            return "Center Horizontally";
        case EditorCommand::AlignRight:
            return "Align to the Right";
        case EditorCommand::Refresh:
            return "Refresh";
        case EditorCommand::Reload:
            return "Reload";
    }
    return "";
}

const char* EditorTitle(MovieObjectType type) {
    switch (type) {
        case MovieObjectType::Image:
            return "Image";
        case MovieObjectType::Text:
            return "Text";
        case MovieObjectType::Rectangle:
            return "Rectangle";
        case MovieObjectType::CorelDrawPage:
            return "Corel Draw file";
        case MovieObjectType::Video:
            return "Video";
        default:
            return "Reelwork";
    }
}

std::string FontText(const std::string& face, int size, uint32_t fontStyle) {
    std::string text = face + " " + std::to_string(size);
    if (fontStyle & MovieObject::kBold) text += " Bold";
    if (fontStyle & MovieObject::kItalic) text += " Italic";
    return text;
}

std::string FileButtonText(const MovieObject& o) {
    const std::string name = Sys::ToUtf8(o.fileName);
    switch (o.type) {
        case MovieObjectType::Text:
            return FontText(TextFaceName(o), o.fontSize, o.fontStyle);
        case MovieObjectType::Image:
            return name.empty() ? "Image" : name;
        case MovieObjectType::CorelDrawPage:
            return name.empty() ? "Corel Draw" : name;
        case MovieObjectType::Video:
            return name.empty() ? "Video" : name;
        default:
            return name;
    }
}

bool BlackTextOn(uint32_t color) {
    const uint32_t r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    return (r * 299 + g * 587 + b * 114 + 500) / 1000 >= 90;
}
