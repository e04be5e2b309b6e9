#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QTimer>

#include "editing/AudioToolSettings.h"
#include "editing/CommandTable.h"
#include "editing/UserSettings.h"
#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "video/CombineJob.h"
#include "video/MediaConversion.h"
#include "video/RecordingSettings.h"

class AutosaveControl;
class DocumentView;
class IMovieCreation;
class MonitorPanel;
class PlayheadLine;
class PlayerCtrl;
class ProgressCtrl;
class QAction;
class QSplitter;
class QMenu;
class QStackedWidget;
class QToolBar;
class ScreenGrabber;
class ScreenRecorder;
class TimeRuler;
class TimelineDrop;

// The main window: the toolbar with every command, and below it the monitor above the timeline,
// the movie player
// or the progress of movie creation, whichever the mode calls for. It owns the state of the
// long-running work (creating a movie, playing it, recording the screen).
class Reelwork : public QMainWindow {
    Q_OBJECT

public:
    enum Mode { kEditing = 0, kPlaying = 1, kCreating = 2, kRecording = 3 };
    // Posted notices: edits of the timeline, the end of movie creation, the end of playback.
    static constexpr int kEditNotice = 0x8000;
    static constexpr int kCreationEndNotice = 0x8001;
    static constexpr int kPlaybackEndNotice = 0x8002;

    explicit Reelwork(QWidget* parent = nullptr);
    ~Reelwork() override;

    DocumentView& view() { return *view_; }
    ProgressCtrl& progress() { return *progress_; }
    MonitorPanel& monitor() { return *monitor_; }
    int mode() const { return mode_; }
    QAction* action(CommandId id) const { return actions_.at(id); }
    // The checkable "Direct render" item: Create Movie streams its frames to the encoder.
    QAction* directRender() const { return directRender_; }
    QToolBar* toolbar() const { return toolbar_; }
    AutosaveControl& autosave() { return *autosave_; }
    QMenu* recentMenu() const { return recentMenu_; }
    const UserSettings& settings() const { return settings_; }
    // The visible one of the timeline, the player, the progress display or none.
    QWidget* currentPage() const;

    // The movie creation that "Create Movie" and "Play movie in current position" run; without
    // one these commands do nothing.
    void SetMovieCreation(std::unique_ptr<IMovieCreation> creation);
    // Opens a project file given on the command line, dropped on the window or picked: reads
    // it, asks to save the current project, then offers to recover a newer autosave.
    void OpenProject(const std::string& path);
    // Moves the monitor's playhead to a time of the movie (ms).
    void SetPlayhead(uint32_t ms);
    // Runs a command as its button does.
    void RunCommand(CommandId id);
    // Enables the commands and sets the title from the current state.
    void RefreshCommands();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void BuildToolbar();
    // The monitor above the timeline with its ruler (ReelworkMonitor.cpp).
    QWidget* BuildEditingPage();
    void KeepPlayheadInView(uint32_t ms);
    // The checkable "Direct render" at the end of the Movie menu, kept in the user's settings.
    void AddDirectRenderItem();
    void SetMode(int mode);
    void ApplyLayout();
    std::string MoviePath() const;

    // Commands (ReelworkCommands.cpp).
    void NewProject();
    void OpenProjectWithDialog();
    void SaveProject();
    void AddVisualObject(MovieObjectType type);
    void AddAudioObject();
    // The recorder and the audio tools (ReelworkAudio.cpp).
    void RunAudioTool(CommandId id);
    void EditSelectedObject();
    void EditMovieProperties();
    void CreateMovie(uint32_t windowBegin, uint32_t windowEnd);
    void PlayMovieInPosition();
    void CreationTick();
    void CreationEnded();
    void PlayMovie();
    // Plays a movie file of the project: movie.mp4 or a time window's span movie.
    void PlayMovie(const std::string& path);
    void PlaybackEnded();
    void Stop();
    void EndRecording();
    void OpenWithSystem(const std::string& path);
    void ShowAbout();
    void ShowShortcuts();
    void SelectAll();
    // Projects, autosave and what is kept per user (ReelworkFiles.cpp).
    void OfferRecovery();
    bool SaveProjectAs();
    void RememberProject();
    void FillRecentMenu();
    void RestoreGeometry();
    void KeepSettings();
    // Commands of the external encoder (ReelworkMedia.cpp).
    void ShowJobFailure(const Mt::TaskResult& result, const char* caption);
    void ConvertMedia(MediaConversion::Kind kind);
    void ImportVideo();
    void CombineAudioVideo();
    // Import from anywhere (ReelworkImport.cpp): the files become objects from `at` on, as
    // one undo point; refused files are listed in one message.
    void AddMedia();
    void SetUpMediaImport();
    void ImportMedia(const std::vector<std::string>& files, uint32_t at);
    // Where "Add Media..." places objects: the monitor's playhead.
    uint32_t MediaInsertionTime() const;
    // After a project opened: the files its objects miss, to locate or do without.
    void CheckMissingFiles();
    // Screen recording (ReelworkRecording.cpp).
    void SetUpRecording();
    void RecordFromScreen();
    void RecordingTick();
    // The editors and dialogs that the commands open; each gives true on OK.
    bool RunObjectEditor(MovieObject& object);
    bool RunAudioEditor(MovieObject& object);
    bool RunPropertiesDialog(MovieProperties& properties);

    DocumentView* view_;
    PlayerCtrl* player_;
    ProgressCtrl* progress_;
    QWidget* blank_;
    QStackedWidget* pages_;
    MonitorPanel* monitor_ = nullptr;
    TimeRuler* ruler_ = nullptr;
    PlayheadLine* line_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::map<CommandId, QAction*> actions_;
    QMenu* recentMenu_ = nullptr;
    AutosaveControl* autosave_;
    UserSettings settings_;
    QAction* directRender_ = nullptr;
    // What the audio dialogs remember between uses.
    AudioToolSettings audioSettings_;
    int mode_ = kEditing;
    uint32_t windowBegin_ = 0, windowEnd_ = 0;
    std::unique_ptr<IMovieCreation> creation_;
    QTimer creationTimer_;
    // Kept while the program runs: the recording and combine settings of the last use.
    RecordingSettings recordingSettings_;
    CombineJob::Settings combineSettings_;
    std::unique_ptr<ScreenGrabber> grabber_;
    std::unique_ptr<ScreenRecorder> recorder_;
    QTimer recordingTimer_;
    TimelineDrop* timelineDrop_ = nullptr;
};
