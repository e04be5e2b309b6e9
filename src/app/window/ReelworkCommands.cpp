// The commands of the main window's toolbar and menu.
#include <algorithm>
#include <cstdio>
#include <memory>

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "app/editor/EditDlg.h"
#include "app/editor/PropertiesDlg.h"
#include "app/monitor/MonitorPanel.h"
#include "app/player/PlayerCtrl.h"
#include "app/progress/ProgressCtrl.h"
#include "app/timeline/DocumentView.h"
#include "app/window/AutosaveControl.h"
#include "app/window/Reelwork.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Notice.h"
#include "panelwick/Win/WaitCursor.h"
#include "production/IMovieCreation.h"
#include "project/Version.h"

namespace {

const QString kFileFilter = QStringLiteral("Reelwork files (*.rwk)");

}  // namespace

void Reelwork::RunCommand(CommandId id) {
    if (id != CommandId::None && !actions_.at(id)->isEnabled()) return;
    TimelineEditor& editor = view_->editor();
    switch (id) {
        case CommandId::Save:
            SaveProject();
            break;
        case CommandId::New:
            NewProject();
            break;
        case CommandId::Open:
            OpenProjectWithDialog();
            break;
        case CommandId::AddImage:
            AddVisualObject(MovieObjectType::Image);
            break;
        case CommandId::AddAudio:
            AddAudioObject();
            break;
        case CommandId::AddText:
            AddVisualObject(MovieObjectType::Text);
            break;
        case CommandId::AddRectangle:
            AddVisualObject(MovieObjectType::Rectangle);
            break;
        case CommandId::AddCorelDrawPage:
            AddVisualObject(MovieObjectType::CorelDrawPage);
            break;
        case CommandId::AddVideo:
            AddVisualObject(MovieObjectType::Video);
            break;
        case CommandId::AddMedia:
            AddMedia();
            break;
        case CommandId::Delete:
            editor.Delete(&view_->prompt());
            break;
        case CommandId::Copy:
            view_->Copy();
            break;
        case CommandId::Paste:
            view_->Paste();
            break;
        case CommandId::Cut:
            view_->Cut();
            break;
        case CommandId::Undo:
            view_->Undo();
            break;
        case CommandId::Redo:
            view_->Redo();
            break;
        case CommandId::RecordAudio:
        case CommandId::AppendAudio:
        case CommandId::NormalizeAudio:
        case CommandId::BoostBass:
        case CommandId::CutAudio:
        case CommandId::SmoothAudioEnds:
        case CommandId::AddBackMusic:
            RunAudioTool(id);
            break;
        case CommandId::AlignTime: {
            Win::WaitCursor wait;
            editor.AlignTime();
            break;
        }
        case CommandId::MakeSameDuration: {
            Win::WaitCursor wait;
            editor.MakeSameDuration();
            break;
        }
        case CommandId::MoveAfter: {
            Win::WaitCursor wait;
            editor.MoveAfter();
            break;
        }
        case CommandId::CreateMovie:
            CreateMovie(0, 0);
            break;
        case CommandId::Stop:
            Stop();
            break;
        case CommandId::PlayMovie:
            PlayMovie();
            break;
        case CommandId::PlayMovieExternal:
            if (Sys::FileExists(MoviePath())) OpenWithSystem(MoviePath());
            break;
        case CommandId::PlayMovieInPosition:
            PlayMovieInPosition();
            break;
        case CommandId::MovieProperties:
            EditMovieProperties();
            break;
        case CommandId::OpenFolder:
            OpenWithSystem(view_->document().folder());
            break;
        case CommandId::RecordFromScreen:
            RecordFromScreen();
            break;
        case CommandId::ImportVideo:
            ImportVideo();
            break;
        case CommandId::CombineAudioVideo:
            CombineAudioVideo();
            break;
        case CommandId::Mp4ToWave:
            ConvertMedia(MediaConversion::Kind::Mp4ToWave);
            break;
        case CommandId::Mp3ToWave:
            ConvertMedia(MediaConversion::Kind::Mp3ToWave);
            break;
        case CommandId::WaveToMp3:
            ConvertMedia(MediaConversion::Kind::WaveToMp3);
            break;
        case CommandId::Help:
            ShowAbout();
            break;
        case CommandId::SaveAs:
            (void)SaveProjectAs();
            break;
        case CommandId::Quit:
            close();
            break;
        case CommandId::SelectAll:
            SelectAll();
            break;
        case CommandId::EditObject:
            EditSelectedObject();
            break;
        case CommandId::KeyboardShortcuts:
            ShowShortcuts();
            break;
        default:
            break;
    }
    RefreshCommands();
}

// A project rescued from a damaged file is saved under a new name, never over that file.
void Reelwork::SaveProject() {
    if (view_->document().damaged()) {
        (void)SaveProjectAs();
        return;
    }
    autosave_->Settle();
    if (Sys::Result r = view_->document().Save(); r.failed()) {
        Win::MessageBox::ShowError(this, r.message());
    }
}

void Reelwork::NewProject() {
    Document& document = view_->document();
    autosave_->Settle();
    if (!document.AskToSave(view_->prompt())) return;
    const QString path =
        QFileDialog::getSaveFileName(view_, QStringLiteral("Reelwork"), QString(), kFileFilter);
    if (path.isEmpty()) return;
    if (document.New(path.toStdString(), view_->prompt())) RememberProject();
}

// The file is picked first; only then is the current project asked about and replaced.
void Reelwork::OpenProjectWithDialog() {
    const QString path =
        QFileDialog::getOpenFileName(view_, QStringLiteral("Reelwork"), QString(), kFileFilter);
    if (path.isEmpty()) return;
    Win::WaitCursor wait;
    OpenProject(path.toStdString());
}

void Reelwork::AddVisualObject(MovieObjectType type) {
    MovieObject object = view_->editor().NewVisualObject(type);
    if (!RunObjectEditor(object)) return;
    view_->editor().Insert(object, true);
}

void Reelwork::AddAudioObject() {
    MovieObject object = view_->editor().NewAudioObject();
    if (!RunAudioEditor(object)) return;
    view_->editor().Insert(object, true);
}

// The edit request of a double-clicked row: an edited copy replaces the object on OK.
void Reelwork::EditSelectedObject() {
    Document& document = view_->document();
    const int row = document.first();
    if (mode_ != kEditing || row < 0 || row >= static_cast<int>(document.objects.size())) return;
    MovieObject copy;
    copy.CopyPersistedFields(document.objects[row]);
    const bool edited =
        copy.type == MovieObjectType::Audio ? RunAudioEditor(copy) : RunObjectEditor(copy);
    if (!edited) return;
    document.MakeUndoPoint();
    document.objects[row].CopyPersistedFields(copy);
    document.NotifyRepaint();
    RefreshCommands();
}

void Reelwork::EditMovieProperties() {
    Document& document = view_->document();
    MovieProperties properties = document.properties;
    if (!RunPropertiesDialog(properties)) return;
    document.MakeUndoPoint();
    document.properties = properties;
    document.NotifyRepaint();
}

bool Reelwork::RunObjectEditor(MovieObject& object) {
    const Document& document = view_->document();
    std::unique_ptr<EditDlg> dialog;
    {
        Win::WaitCursor wait;
        dialog = std::make_unique<EditDlg>(object, document.folder(), document.properties.backColor,
                                           this);
    }
    if (dialog->exec() != QDialog::Accepted) return false;
    object.CopyPersistedFields(dialog->object());
    return true;
}

bool Reelwork::RunPropertiesDialog(MovieProperties& properties) {
    PropertiesDlg dialog(properties, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    properties = dialog.properties();
    return true;
}

// Makes movie.mp4 of the whole movie (window 0, 0) or of the given time window, showing the
// progress of the work until the pipeline posts its end notice.
void Reelwork::CreateMovie(uint32_t windowBegin, uint32_t windowEnd) {
    windowBegin_ = windowBegin;
    windowEnd_ = windowEnd;
    Document& document = view_->document();
    if (!document.IsOpen() || !creation_) return;
    progress_->Reset();
    creation_->SetDirect(directRender_ && directRender_->isChecked());
    const Sys::Result started = creation_->Start(
        document, windowBegin_, windowEnd_, [this] { Win::PostNotice(this, kCreationEndNotice); });
    if (started.failed()) {
        document.SelectRows(creation_->RefusedObjects());
        Win::MessageBox::ShowError(this, started.message());
        return;
    }
    SetMode(kCreating);
    RefreshCommands();
    ApplyLayout();
    creationTimer_.start();
}

void Reelwork::PlayMovieInPosition() {
    const Document& document = view_->document();
    const int row = document.first();
    if (row < 0 || row >= static_cast<int>(document.objects.size())) return;
    // The object's span plays live in the monitor, which then returns to where it was.
    const uint32_t back = monitor_->playhead().time();
    monitor_->SetTime(document.objects[row].begin);
    monitor_->Play(std::max<uint32_t>(1, document.objects[row].end), back);
}

void Reelwork::CreationTick() {
    if (creation_) progress_->Refresh(*creation_);
}

void Reelwork::CreationEnded() {
    if (mode_ != kCreating || !creation_) return;
    creation_->Wait();
    creationTimer_.stop();
    player_->Release();
    SetMode(kEditing);
    RefreshCommands();
    ApplyLayout();
    const Mt::TaskResult result = creation_->Result();
    if (result.failed()) Win::MessageBox::ShowError(this, result.FullText());
    if (result.ok()) PlayMovie(view_->document().paths().movieOf(windowEnd_));
}

void Reelwork::PlayMovie() {
    PlayMovie(MoviePath());
}

void Reelwork::PlayMovie(const std::string& path) {
    if (!view_->document().IsOpen() || !Sys::FileExists(path)) return;
    SetMode(kPlaying);
    RefreshCommands();
    ApplyLayout();
    player_->Play(path);
}

void Reelwork::PlaybackEnded() {
    if (mode_ != kPlaying) return;
    SetMode(kEditing);
    RefreshCommands();
    ApplyLayout();
}

void Reelwork::Stop() {
    switch (mode_) {
        case kCreating:
            if (creation_) creation_->RequestStop();
            break;
        case kPlaying:
            player_->Stop();
            break;
        case kRecording:
            EndRecording();
            break;
        default:
            break;
    }
}

void Reelwork::OpenWithSystem(const std::string& path) {
    if (!view_->document().IsOpen()) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void Reelwork::ShowAbout() {
    char version[128];
    std::snprintf(version, sizeof version, "%s Version %d.%d", kProgramName, kVersionMajor,
                  kVersionMinor);
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kProgramName),
                    QStringLiteral("<b>%1</b>").arg(QString::fromLatin1(version)), QMessageBox::Ok,
                    this);
    box.setInformativeText(QStringLiteral(
        "<p>Makes short movies from pictures, text, sound, screen recordings and video clips."
        "</p><p>Timeline keys: Space or L moves the selected objects 100 ms later, "
        "Ctrl+Space or Ctrl+L 100 ms earlier; F2 shortens and F3 lengthens them by 100 ms; "
        "Delete deletes them; Ctrl+C, Ctrl+X, Ctrl+V copy, cut and paste; Ctrl+Z and Ctrl+Y "
        "undo and redo. Double-click a row to edit its object. F1 lists every key.</p>"));
    box.setTextFormat(Qt::RichText);
    box.setIconPixmap(windowIcon().pixmap(48, 48));
    box.exec();
}
