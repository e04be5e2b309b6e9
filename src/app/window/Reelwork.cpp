#include "app/window/Reelwork.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/monitor/MonitorPanel.h"
#include "app/player/PlayerCtrl.h"
#include "app/progress/ProgressCtrl.h"
#include "app/timeline/DocumentView.h"
#include "app/timeline/ObjectClipboard.h"
#include "app/window/AutosaveControl.h"
#include "app/window/MenuBar.h"
#include "app/window/ToolbarIcons.h"
#include "editing/CommandMenus.h"
#include "editing/MainWindowRules.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/CmLayout.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/Notice.h"
#include "production/IMovieCreation.h"
#include "video/ScreenGrabber.h"
#include "video/ScreenRecorder.h"

Reelwork::Reelwork(QWidget* parent)
    : QMainWindow(parent),
      view_(new DocumentView),
      player_(new PlayerCtrl),
      progress_(new ProgressCtrl),
      blank_(new QWidget),
      pages_(new QStackedWidget),
      autosave_(new AutosaveControl(view_->document(), this)) {
    setObjectName(QStringLiteral("Reelwork"));
    setWindowIcon(ToolbarIcons::ProgramIcon());
    settings_ = UserSettings::Load(UserSettings::DefaultPath());
    // The pages sit in one place; the mode decides which one shows (their index is the mode).
    for (QWidget* page : {BuildEditingPage(), static_cast<QWidget*>(player_),
                          static_cast<QWidget*>(progress_), blank_}) {
        pages_->addWidget(page);
    }
    setCentralWidget(pages_);
    view_->setFont(Win::ArialFont(0.3175));
    player_->setFont(Win::ArialFont(0.3175));
    progress_->setFont(Win::ArialFont(0.493889));
    view_->SetNoticeReceiver(this);
    player_->SetNoticeReceiver(this);
    connect(view_, &DocumentView::selectionChanged, this, &Reelwork::RefreshCommands);
    connect(view_, &DocumentView::editRequested, this, &Reelwork::EditSelectedObject);
    connect(view_, &DocumentView::contextMenuRequested, this, [this](const QPoint& at) {
        RefreshCommands();
        QMenu menu(this);
        for (CommandId id : TimelineContextMenu()) {
            if (id == CommandId::None) {
                menu.addSeparator();
            } else {
                menu.addAction(actions_.at(id));
            }
        }
        menu.exec(at);
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &Reelwork::RefreshCommands);
    creationTimer_.setInterval(1000);
    connect(&creationTimer_, &QTimer::timeout, this, &Reelwork::CreationTick);
    setAcceptDrops(true);
    SetUpRecording();
    connect(autosave_, &AutosaveControl::failed, this,
            [this](const QString& message) { statusBar()->showMessage(message); });
    connect(autosave_, &AutosaveControl::written, this, [this] {
        if (auto* bar = findChild<QStatusBar*>()) bar->clearMessage();
    });
    CreateActions();
    BuildToolbar();
    SetUpMediaImport();
    recentMenu_ = MenuBar::Build(*menuBar(), actions_);
    FillRecentMenu();
    AddDirectRenderItem();
    RefreshCommands();
    ApplyLayout();
    RestoreGeometry();
    view_->setFocus();
}

Reelwork::~Reelwork() {
    creationTimer_.stop();
    if (creation_ && mode_ == kCreating) {
        creation_->RequestStop();
        creation_->Wait();
    }
}

// One action per command, shared by the toolbar and the menus. Keys the timeline reads itself
// are only shown beside the menu text, so they keep working as they do.
void Reelwork::CreateActions() {
    const int iconSize = Win::NearestIconSize(0.42333 * Win::ScreenDpi() / 2.54);
    std::map<CommandId, const char*> toolbarTexts;
    for (const ToolbarButton& button : kToolbarButtons) {
        if (button.id != CommandId::None) toolbarTexts[button.id] = button.text;
    }
    for (const MenuDefinition& menu : MenuBarDefinition()) {
        for (CommandId id : menu.items) {
            if (id == CommandId::None || id == kRecentProjects) continue;
            toolbarTexts.try_emplace(id, nullptr);
        }
    }
    for (const auto& [id, toolbarText] : toolbarTexts) {
        const CommandKeys keys = KeysOf(id);
        QString text = QString::fromStdString(MenuText(id));
        auto* action = new QAction(this);
        if (toolbarText) action->setIcon(ToolbarIcons::Make(id, iconSize));
        if (keys.timelineKeys) {
            text += QLatin1Char('\t') + QString::fromStdString(keys.keys.front());
        } else {
            QList<QKeySequence> sequences;
            for (const std::string& key : keys.keys) {
                sequences.append(QKeySequence(QString::fromStdString(key)));
            }
            action->setShortcuts(sequences);
        }
        action->setText(text);
        if (id == CommandId::Help) action->setShortcutContext(Qt::ApplicationShortcut);
        if (toolbarText) action->setToolTip(QString::fromStdString(ToolTipText(toolbarText, id)));
        connect(action, &QAction::triggered, this, [this, id = id] { RunCommand(id); });
        actions_[id] = action;
    }
}

// Icons are the standard size nearest to 0.42333 cm; buttons are 0.1 cm larger.
void Reelwork::BuildToolbar() {
    const int iconSize = Win::NearestIconSize(0.42333 * Win::ScreenDpi() / 2.54);
    const int buttonSize = iconSize + Win::CmToPixels(0.1);
    toolbar_ = addToolBar(QStringLiteral("Commands"));
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(iconSize, iconSize));
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const ToolbarButton& button : kToolbarButtons) {
        if (button.id == CommandId::None) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* action = actions_.at(button.id);
        toolbar_->addAction(action);
        if (QWidget* widget = toolbar_->widgetForAction(action)) {
            widget->setFixedSize(buttonSize, buttonSize);
        }
    }
}

void Reelwork::AddDirectRenderItem() {
    directRender_ = new QAction(QStringLiteral("Direct render"), this);
    directRender_->setCheckable(true);
    directRender_->setChecked(settings_.directRender);
    directRender_->setToolTip(
        QStringLiteral("Create Movie streams the frames to the encoder, without frame files"));
    connect(directRender_, &QAction::toggled, this, [this](bool checked) {
        settings_.directRender = checked;
        (void)settings_.Save(UserSettings::DefaultPath());
    });
    if (QMenu* movie = menuBar()->findChild<QMenu*>(QStringLiteral("Movie"))) {
        movie->addSeparator();
        movie->addAction(directRender_);
    }
}

QWidget* Reelwork::currentPage() const {
    // The timeline stands for the editing page it shares with the monitor.
    return mode_ == kEditing ? view_ : pages_->currentWidget();
}

void Reelwork::SetMovieCreation(std::unique_ptr<IMovieCreation> creation) {
    creation_ = std::move(creation);
}

std::string Reelwork::MoviePath() const {
    return view_->document().paths().movie();
}

void Reelwork::RefreshCommands() {
    const CommandContext context =
        MakeCommandContext(view_->document(), mode_, ObjectClipboard::Available());
    for (const auto& [id, action] : actions_) action->setEnabled(IsCommandEnabled(id, context));
    recentMenu_->setEnabled(mode_ == kEditing && !settings_.recentProjects().empty());
    setWindowTitle(QString::fromStdString(WindowTitle(mode_, view_->document())));
    if (monitor_) monitor_->Refresh();
}

// While work runs closing is refused, and while the movie plays or is made the window's close
// button is taken away. A recording runs with the window minimised and ends when it comes
// back, so its button is never seen; changing the flags then would show the window again.
void Reelwork::SetMode(int mode) {
    const bool wasBusy = mode_ == kPlaying || mode_ == kCreating;
    mode_ = mode;
    if (mode_ != kEditing && monitor_) monitor_->Pause();  // one sound at a time
    const bool busy = mode_ == kPlaying || mode_ == kCreating;
    if (busy == wasBusy) return;
    const bool visible = isVisible();
    const Qt::WindowFlags busyFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
    setWindowFlags(busy ? busyFlags : Qt::WindowFlags(Qt::Window));
    if (visible) show();
}

void Reelwork::ApplyLayout() {
    pages_->setCurrentIndex(mode_);
    if (mode_ == kEditing) view_->viewport()->update();
}

bool Reelwork::event(QEvent* event) {
    if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
        if (notice->Is(kEditNotice)) RefreshCommands();
        if (notice->Is(kCreationEndNotice)) CreationEnded();
        if (notice->Is(kPlaybackEndNotice)) PlaybackEnded();
        return true;
    }
    // Files may have changed on disk while the window was in the background.
    if (event->type() == QEvent::WindowActivate && monitor_) monitor_->Refresh(true);
    return QMainWindow::event(event);
}

void Reelwork::closeEvent(QCloseEvent* event) {
    autosave_->Settle();
    if (mode_ != kEditing || !view_->document().AskToSave(view_->prompt())) {
        event->ignore();
        RefreshCommands();
        return;
    }
    autosave_->Settle();  // a write started while the question was shown
    KeepSettings();
    event->accept();
}

// Restoring the window ends a screen recording.
void Reelwork::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && mode_ == kRecording &&
        !(windowState() & Qt::WindowMinimized)) {
        EndRecording();
    }
}

void Reelwork::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

// Of a drop only the first file counts, and only a project file opens.
void Reelwork::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || mode_ != kEditing) return;
    const std::string path = urls.front().toLocalFile().toStdString();
    if (Sys::LowerExtension(path, 31) != "rwk") return;
    event->acceptProposedAction();
    OpenProject(path);
}
