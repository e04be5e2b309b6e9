#pragma once

#include <string>
#include <utility>

// A refusal that a dialog shows: a message box with its caption, or an error balloon on a
// field with its title. Empty text means no refusal.
struct ToolMessage {
    std::string text;
    std::string caption;  // the message box caption, or the balloon's title
    bool balloon = false;
    int field = 0;  // the field a balloon points at, in the dialog's own numbering

    static ToolMessage Box(std::string text, std::string caption = "Reelwork") {
        return {std::move(text), std::move(caption), false, 0};
    }
    static ToolMessage Balloon(int field, std::string title, std::string text) {
        return {std::move(text), std::move(title), true, field};
    }
    bool failed() const { return !text.empty(); }
};
