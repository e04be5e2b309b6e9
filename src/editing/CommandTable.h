#pragma once

#include <array>
#include <string>

class Document;

// The main window's commands, numbered as their buttons and menu items are.
enum class CommandId : int {
    None = 0,  // a separator between button groups
    Save = 32814,
    New = 32800,
    Open = 32802,
    AddImage = 32773,
    AddAudio = 32770,
    AddText = 32776,
    AddRectangle = 32774,
    AddCorelDrawPage = 32772,
    AddVideo = 32775,
    AddMedia = 32820,
    Delete = 32792,
    Copy = 32788,
    Paste = 32804,
    Cut = 32790,
    Undo = 32818,
    Redo = 32811,
    AlignTime = 32782,
    MakeSameDuration = 32795,
    MoveAfter = 32797,
    CreateMovie = 32789,
    Stop = 32817,
    PlayMovie = 32806,
    PlayMovieExternal = 32805,
    PlayMovieInPosition = 32807,
    MovieProperties = 32808,
    OpenFolder = 32803,
    RecordAudio = 32809,
    RecordFromScreen = 32810,
    ImportVideo = 32794,
    AppendAudio = 32784,
    NormalizeAudio = 32801,
    BoostBass = 32786,
    CutAudio = 32791,
    SmoothAudioEnds = 32815,
    AddBackMusic = 32771,
    CombineAudioVideo = 32787,
    Mp4ToWave = 32799,
    Mp3ToWave = 32798,
    WaveToMp3 = 32819,
    Help = 32793,
    // Commands of the menu bar only.
    SaveAs = 32830,
    Quit = 32831,
    SelectAll = 32832,
    EditObject = 32833,
    KeyboardShortcuts = 32834,
};

// One toolbar button: its command and tooltip, or a separator (CommandId::None).
struct ToolbarButton {
    CommandId id;
    const char* text;
};

inline constexpr int kToolbarButtonCount = 46;
// The toolbar from left to right.
extern const std::array<ToolbarButton, kToolbarButtonCount> kToolbarButtons;

// What decides which commands are enabled.
struct CommandContext {
    bool projectOpen = false;
    bool busy = false;      // playing, creating the movie or recording the screen
    bool selected = false;  // at least one row
    bool multipleSelected = false;
    bool movieExists = false;  // movie.mp4 in the project folder can be read
    bool unsaved = false;
    bool pasteAvailable = false;  // the clipboard holds objects copied by this program
    bool canUndo = false;
    bool canRedo = false;
};

// The context of the document in the given window mode (0 editing, 1 playing, 2 creating the
// movie, 3 recording the screen).
CommandContext MakeCommandContext(const Document& document, int mode, bool pasteAvailable);

bool IsCommandEnabled(CommandId id, const CommandContext& context);
