#include "app/window/Reelwork.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>

#include "app/player/PlayerCtrl.h"
#include "app/progress/ProgressCtrl.h"
#include "app/timeline/DocumentView.h"
#include "app/timeline/ObjectClipboard.h"
#include "app/window/ToolbarIcons.h"
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
      pages_(new QStackedWidget) {
    setObjectName(QStringLiteral("Reelwork"));
    setWindowIcon(ToolbarIcons::ProgramIcon());
    // The pages sit in one place; the mode decides which one shows (their index is the mode).
    for (QWidget* page : {static_cast<QWidget*>(view_), static_cast<QWidget*>(player_),
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
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &Reelwork::RefreshCommands);
    creationTimer_.setInterval(1000);
    connect(&creationTimer_, &QTimer::timeout, this, &Reelwork::CreationTick);
    setAcceptDrops(true);
    SetUpRecording();
    BuildToolbar();
    BuildMovieMenu();
    BuildHelpMenu();
    RefreshCommands();
    ApplyLayout();
    resize(Win::CmToPixels(26), Win::CmToPixels(14));
    view_->setFocus();
}

Reelwork::~Reelwork() {
    creationTimer_.stop();
    if (creation_ && mode_ == kCreating) {
        creation_->RequestStop();
        creation_->Wait();
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
        const CommandId id = button.id;
        QAction* action =
            toolbar_->addAction(ToolbarIcons::Make(id, iconSize), QString::fromLatin1(button.text));
        action->setToolTip(QString::fromLatin1(button.text));
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        actions_[id] = action;
        if (QWidget* widget = toolbar_->widgetForAction(action)) {
            widget->setFixedSize(buttonSize, buttonSize);
        }
    }
}

void Reelwork::BuildMovieMenu() {
    static const QString kKey = QStringLiteral("movie/directRender");
    QMenu* movie = menuBar()->addMenu(QStringLiteral("&Movie"));
    directRender_ = movie->addAction(QStringLiteral("Direct render"));
    directRender_->setCheckable(true);
    directRender_->setChecked(QSettings(QStringLiteral("Reelwork"), QStringLiteral("Reelwork"))
                                  .value(kKey, false)
                                  .toBool());
    directRender_->setToolTip(
        QStringLiteral("Create Movie streams the frames to the encoder, without frame files"));
    connect(directRender_, &QAction::toggled, this, [](bool checked) {
        QSettings(QStringLiteral("Reelwork"), QStringLiteral("Reelwork")).setValue(kKey, checked);
    });
}

// "&Help" with "&About ...", which Alt+? and Alt+/ reach too.
void Reelwork::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* about = help->addAction(QStringLiteral("&About ..."));
    about->setShortcuts(
        {QKeySequence(Qt::ALT | Qt::Key_Question), QKeySequence(Qt::ALT | Qt::Key_Slash)});
    about->setShortcutContext(Qt::ApplicationShortcut);
    connect(about, &QAction::triggered, this, [this] { RunCommand(CommandId::Help); });
}

QWidget* Reelwork::currentPage() const {
    return pages_->currentWidget();
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
    setWindowTitle(QString::fromStdString(WindowTitle(mode_, view_->document())));
}

// While work runs closing is refused, and while the movie plays or is made the window's close
// button is taken away. A recording runs with the window minimised and ends when it comes
// back, so its button is never seen; changing the flags then would show the window again.
void Reelwork::SetMode(int mode) {
    const bool wasBusy = mode_ == kPlaying || mode_ == kCreating;
    mode_ = mode;
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

void Reelwork::OpenProject(const std::string& path) {
    (void)view_->document().Open(path, view_->prompt());
    RefreshCommands();
}

bool Reelwork::event(QEvent* event) {
    if (const Win::NoticeEvent* notice = Win::AsNotice(event)) {
        if (notice->Is(kEditNotice)) RefreshCommands();
        if (notice->Is(kCreationEndNotice)) CreationEnded();
        if (notice->Is(kPlaybackEndNotice)) PlaybackEnded();
        return true;
    }
    return QMainWindow::event(event);
}

void Reelwork::closeEvent(QCloseEvent* event) {
    if (mode_ != kEditing || !view_->document().AskToSave(view_->prompt())) {
        event->ignore();
        RefreshCommands();
        return;
    }
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
