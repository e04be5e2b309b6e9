#include "editing/CommandTable.h"

#include <cstdio>

#include "project/Document.h"

using enum CommandId;

const std::array<ToolbarButton, kToolbarButtonCount> kToolbarButtons = {{
    {Save, "Save"},
    {New, "New"},
    {Open, "Open"},
    {None, nullptr},
    {AddImage, "Add Image"},
    {AddAudio, "Add Audio"},
    {AddText, "Add Text"},
    {AddRectangle, "Add Rectangle"},
    {AddCorelDrawPage, "Add Corel Draw page"},
    {AddVideo, "Add Video"},
    {AddMedia, "Add Media..."},
    {Delete, "Delete"},
    {None, nullptr},
    {Copy, "Copy"},
    {Paste, "Paste"},
    {Cut, "Cut"},
    {Undo, "Undo"},
    {Redo, "Redo"},
    {None, nullptr},
    {AlignTime, "Align Time"},
    {MakeSameDuration, "Make Same Duration"},
    {MoveAfter, "Move After"},
    {CreateMovie, "Create Movie"},
    {Stop, "Stop"},
    {PlayMovie, "Play Movie"},
    {PlayMovieExternal, "Play Movie in External player"},
    {PlayMovieInPosition, "Play movie in current position"},
    {MovieProperties, "Movie Properties"},
    {OpenFolder, "Open Folder"},
    {None, nullptr},
    {RecordAudio, "Record Audio"},
    {RecordFromScreen, "Record from Screen"},
    {ImportVideo, "Import Video"},
    {AppendAudio, "Append Audio Files (*.wav)"},
    {NormalizeAudio, "Normalize Audio"},
    {BoostBass, "Boost Bass"},
    {CutAudio, "Cut Audio"},
    {SmoothAudioEnds, "Smooth Audio Ends"},
    {AddBackMusic, "Add Back Music"},
    {CombineAudioVideo, "Combine Audio and Video"},
    {None, nullptr},
    {Mp4ToWave, "MP4 to Wave"},
    {Mp3ToWave, "MP3 to Wave"},
    {WaveToMp3, "Wave to MP3"},
    {None, nullptr},
    {Help, "Help"},
}};

namespace {

bool CanRead(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

CommandContext MakeCommandContext(const Document& document, int mode, bool pasteAvailable) {
    CommandContext c;
    c.projectOpen = document.IsOpen();
    c.busy = mode != 0;
    int first, last;
    c.selected = document.SelectedRange(first, last);
    c.multipleSelected =
        document.first() >= 0 && document.last() >= 0 && document.first() != document.last();
    c.movieExists = c.projectOpen && CanRead(document.paths().movie());
    c.unsaved = !document.saved();
    c.pasteAvailable = pasteAvailable;
    c.canUndo = document.CanUndo();
    c.canRedo = document.CanRedo();
    return c;
}

bool IsCommandEnabled(CommandId id, const CommandContext& c) {
    const bool editable = c.projectOpen && !c.busy;
    switch (id) {
        case Save:
            return editable && c.unsaved;
        case New:
        case Open:
        case Quit:
            return !c.busy;
        case Delete:
        case Copy:
        case Cut:
        case EditObject:
            return editable && c.selected;
        case Paste:
            return editable && c.pasteAvailable;
        case Undo:
            return editable && c.canUndo;
        case Redo:
            return editable && c.canRedo;
        case AlignTime:
        case MakeSameDuration:
        case MoveAfter:
            return editable && c.multipleSelected;
        case Stop:
            return c.projectOpen && c.busy;
        case PlayMovie:
        case PlayMovieExternal:
            return editable && c.movieExists;
        case AppendAudio:
        case NormalizeAudio:
        case BoostBass:
        case CutAudio:
        case SmoothAudioEnds:
        case AddBackMusic:
        case CombineAudioVideo:
        case Mp4ToWave:
        case Mp3ToWave:
        case WaveToMp3:
            return !c.busy;
        case Help:
        case KeyboardShortcuts:
            return true;
        case None:
            return false;
        default:  // the Add commands, Create Movie, Play movie in current position, Movie
                  // Properties, Open Folder, Record Audio, Record from Screen, Import Video,
                  // Save As, Select All
            return editable;
    }
}
