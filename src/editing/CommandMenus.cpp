#include "editing/CommandMenus.h"

#include <algorithm>

using enum CommandId;

const std::vector<MenuDefinition>& MenuBarDefinition() {
    static const std::vector<MenuDefinition> menus = {
        {"&File",
         {New, Open, kRecentProjects, Save, SaveAs, None, MovieProperties, OpenFolder, None, Quit}},
        {"&Edit", {Undo, Redo, None, Cut, Copy, Paste, Delete, None, SelectAll}},
        {"&Object",
         {AddMedia, None, AddImage, AddAudio, AddText, AddRectangle, AddCorelDrawPage, AddVideo,
          None, EditObject, None, AlignTime, MakeSameDuration, MoveAfter}},
        {"&Movie", {CreateMovie, Stop, None, PlayMovie, PlayMovieInPosition, PlayMovieExternal}},
        {"&Audio",
         {RecordAudio, None, AppendAudio, NormalizeAudio, BoostBass, CutAudio, SmoothAudioEnds,
          AddBackMusic}},
        {"&Video",
         {RecordFromScreen, ImportVideo, CombineAudioVideo, None, Mp4ToWave, Mp3ToWave, WaveToMp3}},
        {"&Help", {KeyboardShortcuts, Help}},
    };
    return menus;
}

const std::vector<CommandId>& TimelineContextMenu() {
    static const std::vector<CommandId> items = {
        EditObject, None, Cut, Copy, Paste, Delete, None, MoveAfter, MakeSameDuration, AlignTime};
    return items;
}

std::string MenuText(CommandId id) {
    switch (id) {
        case SaveAs:
            return "Save As...";
        case Quit:
            return "Quit";
        case SelectAll:
            return "Select All";
        case EditObject:
            return "Edit...";
        case KeyboardShortcuts:
            return "Keyboard Shortcuts";
        case Help:
            return "&About ...";
        default:
            break;
    }
    const auto button = std::find_if(kToolbarButtons.begin(), kToolbarButtons.end(),
                                     [id](const ToolbarButton& b) { return b.id == id; });
    return button != kToolbarButtons.end() ? button->text : "";
}

CommandKeys KeysOf(CommandId id) {
    switch (id) {
        case New:
            return {{"Ctrl+N"}};
        case Open:
            return {{"Ctrl+O"}};
        case Save:
            return {{"Ctrl+S"}};
        case SaveAs:
            return {{"Ctrl+Shift+S"}};
        case Quit:
            return {{"Ctrl+Q"}};
        case SelectAll:
            return {{"Ctrl+A"}};
        case AddMedia:
            return {{"Ctrl+I"}};
        case KeyboardShortcuts:
            return {{"F1"}};
        case Help:
            return {{"Alt+?", "Alt+/"}};
        case Undo:
            return {{"Ctrl+Z"}, true};
        case Redo:
            return {{"Ctrl+Y"}, true};
        case Cut:
            return {{"Ctrl+X"}, true};
        case Copy:
            return {{"Ctrl+C"}, true};
        case Paste:
            return {{"Ctrl+V"}, true};
        case Delete:
            return {{"Del"}, true};
        default:
            return {};
    }
}

std::string ToolTipText(const char* text, CommandId id) {
    const CommandKeys keys = KeysOf(id);
    return keys.keys.empty() ? text : std::string(text) + " (" + keys.keys.front() + ")";
}

std::vector<ShortcutLine> ShortcutList() {
    std::vector<ShortcutLine> lines;
    for (const MenuDefinition& menu : MenuBarDefinition()) {
        for (CommandId id : menu.items) {
            const CommandKeys keys = KeysOf(id);
            if (keys.keys.empty()) continue;
            std::string text = keys.keys.front();
            for (size_t i = 1; i < keys.keys.size(); ++i) text += ", " + keys.keys[i];
            std::string action = MenuText(id);
            std::erase(action, '&');
            if (id == Help) action = "About";
            lines.push_back({text, action});
        }
    }
    // The timeline's own keys, for the selected rows.
    lines.push_back({"Space, L", "Move the selected objects 100 ms later"});
    lines.push_back({"Ctrl+Space, Ctrl+L", "Move the selected objects 100 ms earlier"});
    lines.push_back({"F2", "Shorten the selected objects by 100 ms"});
    lines.push_back({"F3", "Lengthen the selected objects by 100 ms"});
    lines.push_back({"Up, Down", "Select the row above or below (Shift grows the selection)"});
    lines.push_back({"Home, End", "Select the first or last row (Shift grows the selection)"});
    lines.push_back({"Page Up, Page Down", "Scroll through the rows"});
    lines.push_back({"Ctrl++, Ctrl+-, Ctrl+wheel", "Zoom the timeline in or out"});
    lines.push_back({"Ctrl+0", "Fit the whole project in the timeline"});
    lines.push_back({"Shift+wheel", "Scroll sideways"});
    lines.push_back({"Drag", "Move an object, or its begin or end at the bar's edges"});
    lines.push_back({"Shift while dragging", "Do not snap to the playhead and other objects"});
    lines.push_back({"Escape while dragging", "Put the dragged objects back"});
    lines.push_back({"Left, Right", "Scroll sideways"});
    lines.push_back({"Double-click", "Edit the object of the row"});
    return lines;
}
