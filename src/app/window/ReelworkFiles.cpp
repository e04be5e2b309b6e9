// Opening and saving projects, their autosave and recovery, and what is kept per user.
#include <algorithm>
#include <ctime>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/timeline/DocumentView.h"
#include "app/window/AutosaveControl.h"
#include "app/window/Reelwork.h"
#include "editing/CommandMenus.h"
#include "panelwick/Mt/Worker.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/MessageBox.h"
#include "panelwick/Win/Metrics.h"
#include "production/ProjectFilesCopy.h"
#include "project/ProjectRecovery.h"

namespace {

QString ClockTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M", &local);
    return QString::fromLatin1(text);
}

// Copies the files with a progress dialog whose Cancel stops between files.
Mt::TaskResult CopyWithProgress(const ProjectFilesCopy& copy, QWidget* owner) {
    if (copy.files().empty()) return {};
    QProgressDialog progress(QStringLiteral("Copying the project's files . . ."),
                             QStringLiteral("Cancel"), 0, 1000, owner);
    progress.setWindowTitle(QStringLiteral("Save As"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    Mt::Worker worker;
    worker.Start([&copy](Mt::Task& task) { return copy.Run(task); });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (progress.wasCanceled()) worker.Cancel();
        progress.setValue(static_cast<int>(worker.task().progressValue().Get() * 999));
    });
    poll.start(50);
    while (worker.running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    poll.stop();
    return worker.Wait();
}

}  // namespace

void Reelwork::OpenProject(const std::string& path) {
    autosave_->Settle();
    Document& document = view_->document();
    const bool loaded = document.Open(path, view_->prompt());
    if (document.IsOpen() && document.file() == path) {
        RememberProject();
    } else if (!Sys::FileExists(path)) {
        settings_.RemoveRecent(path);
        FillRecentMenu();
    }
    RefreshCommands();
    if (loaded) {
        OfferRecovery();
        CheckMissingFiles();
    }
    RefreshCommands();
}

// An autosave newer than the project holds edits that were never saved: Recover loads them
// as unsaved changes, Discard deletes the autosave, Cancel leaves both files as they are.
void Reelwork::OfferRecovery() {
    Document& document = view_->document();
    std::time_t when = 0;
    if (!ProjectRecovery::AutosaveIsNewer(document.file(), when)) return;
    MovieProperties properties;
    std::vector<MovieObject> objects;
    if (Sys::Result r = ProjectRecovery::ReadAutosave(document, properties, objects); r.failed()) {
        Win::MessageBox::ShowError(this, r.message());
        return;
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Reelwork"),
                    QStringLiteral("Recover the unsaved changes from %1?").arg(ClockTime(when)),
                    QMessageBox::NoButton, this);
    QPushButton* recover = box.addButton(QStringLiteral("Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(recover);
    box.exec();
    if (box.clickedButton() == recover) {
        document.ReplaceContent(std::move(properties), std::move(objects));
    } else if (box.clickedButton() == discard) {
        ProjectRecovery::Discard(document.file());
    }
}

bool Reelwork::SaveProjectAs() {
    Document& document = view_->document();
    if (!document.IsOpen()) return false;
    const std::string file = view_->prompt().AskNewFileName();
    if (file.empty()) return false;
    autosave_->Settle();
    std::string folder;
    if (Sys::FolderOf(file, folder) && folder != document.folder()) {
        const Mt::TaskResult copied =
            CopyWithProgress(ProjectFilesCopy(document.objects, document.folder(), folder), this);
        if (copied.failed()) Win::MessageBox::ShowError(this, copied.message());
        if (!copied.ok()) return false;
    }
    if (Sys::Result r = document.SaveAs(file); r.failed()) {
        Win::MessageBox::ShowError(this, r.message());
        return false;
    }
    RememberProject();
    return true;
}

void Reelwork::SelectAll() {
    Document& document = view_->document();
    if (!document.objects.empty())
        document.Select(0, static_cast<int>(document.objects.size()) - 1);
}

void Reelwork::RememberProject() {
    settings_.AddRecent(view_->document().file());
    FillRecentMenu();
    (void)settings_.Save(UserSettings::DefaultPath());
}

void Reelwork::FillRecentMenu() {
    recentMenu_->clear();
    int number = 0;
    for (const std::string& path : settings_.recentProjects()) {
        QString text = QString::fromStdString(path);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));  // no mnemonic from the name
        QAction* action = recentMenu_->addAction(
            number < 9 ? QStringLiteral("&%1 %2").arg(number + 1).arg(text) : text);
        ++number;
        connect(action, &QAction::triggered, this, [this, path] {
            if (mode_ == kEditing) OpenProject(path);
        });
    }
    recentMenu_->setEnabled(!settings_.recentProjects().empty());
}

// The place of the last run, kept on a screen; on a first start the default size, at most
// 90 % of the available area, in the middle of it.
void Reelwork::RestoreGeometry() {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    if (settings_.geometry) {
        const UserSettings::Geometry& g = *settings_.geometry;
        const QRect kept(g.x, g.y, std::min(g.width, available.width()),
                         std::min(g.height, available.height()));
        if (available.intersects(kept)) {
            setGeometry(kept);
            if (g.maximized) setWindowState(windowState() | Qt::WindowMaximized);
            return;
        }
    }
    const QSize size(std::min(Win::CmToPixels(26), available.width() * 9 / 10),
                     std::min(Win::CmToPixels(14), available.height() * 9 / 10));
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void Reelwork::KeepSettings() {
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    settings_.geometry = UserSettings::Geometry{normal.x(), normal.y(), normal.width(),
                                                normal.height(), isMaximized()};
    (void)settings_.Save(UserSettings::DefaultPath());
}

void Reelwork::ShowShortcuts() {
    QString rows;
    for (const ShortcutLine& line : ShortcutList()) {
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(QString::fromStdString(line.keys).toHtmlEscaped(),
                         QString::fromStdString(line.action).toHtmlEscaped());
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Keyboard Shortcuts"),
                    QStringLiteral("<table>%1</table>").arg(rows), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("KeyboardShortcuts"));
    box.setTextFormat(Qt::RichText);
    box.exec();
}
