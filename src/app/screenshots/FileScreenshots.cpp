#include "app/screenshots/FileScreenshots.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "app/screenshots/DialogShot.h"
#include "app/timeline/DocumentView.h"
#include "app/window/Reelwork.h"
#include "project/ProjectFile.h"
#include "project/ProjectRecovery.h"

namespace {

// What the screen shows of the window's frame and, when given, an open menu beside it.
void SaveScreenArea(QWidget& window, QWidget* popup, const QString& path) {
    QRect area = window.frameGeometry();
    if (popup) area = area.united(popup->geometry());
    QScreen* screen = window.screen();
    const QPixmap picture =
        screen ? screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
               : window.grab();
    std::printf("%s %s\n", picture.save(path) ? "saved" : "could not save",
                path.toLocal8Bit().constData());
    std::fflush(stdout);
}

// Saves the message box shown next and presses the button with this text.
void ShootQuestionWhenShown(const QString& path, const QString& button, int triesLeft) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
        if (triesLeft > 0) {
            QTimer::singleShot(50, [=] { ShootQuestionWhenShown(path, button, triesLeft - 1); });
        }
        return;
    }
    WaitMs(500);
    QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : box;
    SaveScreenArea(*owner, box, path);
    for (QAbstractButton* b : box->buttons()) {
        if (b->text() == button) b->click();
    }
}

}  // namespace

void SaveMenuShots(Reelwork& window, const QString& folder) {
    QMenuBar* bar = window.menuBar();
    for (QAction* action : bar->actions()) {
        QMenu* menu = action->menu();
        if (!menu) continue;
        bar->setActiveAction(action);
        WaitMs(200);
        // Opened under its title when the bar did not open it.
        if (!menu->isVisible())
            menu->popup(bar->mapToGlobal(bar->actionGeometry(action).bottomLeft()));
        WaitMs(300);
        const QString name = QStringLiteral("menu-%1.png").arg(menu->objectName().toLower());
        SaveScreenArea(window, menu, QDir(folder).filePath(name));
        menu->hide();
        WaitMs(100);
    }
    bar->setActiveAction(nullptr);
}

// The project's state as an autosave newer than the project file, as a killed run leaves it;
// the question is saved and answered with Recover.
void SaveRecoveryShot(Reelwork& window, const QString& folder) {
    Document& document = window.view().document();
    const std::string file = document.file();
    const std::string autosave = ProjectRecovery::AutosavePath(file);
    if (ProjectFile::Save(autosave, document.properties, document.objects).failed()) return;
    namespace fs = std::filesystem;
    std::error_code error;
    fs::last_write_time(autosave, fs::last_write_time(file, error) + std::chrono::seconds(2),
                        error);
    document.CloseProject();
    QTimer::singleShot(0, [folder] {
        ShootQuestionWhenShown(QDir(folder).filePath(QStringLiteral("recovery-question.png")),
                               QStringLiteral("Recover"), 100);
    });
    window.OpenProject(file);
}
