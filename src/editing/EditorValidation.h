#pragma once

#include <cstdint>
#include <string>

#include "editing/EditorState.h"
#include "project/MovieObject.h"

// Everything the object editor's controls hold, read before the object is checked.
struct EditorInput {
    StateControls state;  // of the tab shown
    bool endShown = false;
    std::u16string text;
    double accelerationX = 0, accelerationY = 0;
    uint32_t frontColor = 0, backColor = 0;
    int64_t depth3D = 0;
    uint32_t width = 0, height = 0;  // unsigned numbers; 0 when the box holds none
    int64_t page = 0;
    double skipMinutes = 0, skipSeconds = 0;
};

// Why the editor refuses its input: a balloon at a field or a message box.
struct EditorRefusal {
    enum class Kind { None, Balloon, Message };
    enum class Field { None, EndTime, Text, Width, Height };

    Kind kind = Kind::None;
    Field field = Field::None;
    std::string title;  // balloons only
    std::string text;

    bool refused() const { return kind != Kind::None; }
    static EditorRefusal Balloon(Field field, std::string title, std::string text) {
        return {Kind::Balloon, field, std::move(title), std::move(text)};
    }
    static EditorRefusal Message(std::string text) {
        return {Kind::Message, Field::None, {}, std::move(text)};
    }
};

// Writes the input into the object and checks it. With `silent` the checks of the times, the
// text, the chosen file and the rectangle's size never refuse: the object takes what can be
// taken, for a preview of what the user typed. A video's skip and end are limited by its
// length, read from its frame folder in projectFolder.
EditorRefusal ValidateEdit(const EditorInput& input, MovieObject& object, bool silent,
                           const std::string& projectFolder);

// The end a video object gets when its file is chosen: begin + the video's length.
uint32_t VideoEndAfterChoice(const MovieObject& object, const std::string& projectFolder);
