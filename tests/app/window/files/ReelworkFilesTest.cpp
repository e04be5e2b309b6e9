#include <filesystem>
#include <functional>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/WhenShown.h"
#include "app/WindowFixture.h"
#include "app/window/AutosaveControl.h"
#include "editing/CommandMenus.h"
#include "panelwick/Sys/FileSystem.h"
#include "project/ProjectFile.h"
#include "project/ProjectRecovery.h"

namespace fs = std::filesystem;

namespace {

// Presses the button with this text in the message box shown next; its text goes to *text.
void PressNextNamed(const QString& button, QString* text = nullptr) {
    WhenShown<QMessageBox>([=](QMessageBox& box) {
        if (text) *text = box.text();
        for (QAbstractButton* b : box.buttons()) {
            if (b->text() == button) b->click();
        }
    });
}

}  // namespace

class ReelworkFilesTest : public WindowFixture {
    Q_OBJECT

    void Edit() {
        doc().Select(0, 0);
        QTest::keyClick(&window->view(), Qt::Key_F3);
    }
    // A key pressed in the window, active again after any dialog, as a user would press it;
    // `answer` arms the answers to the dialogs the key opens once the window is active.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers, const std::function<void()>& answer) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        if (answer) answer();
        QTest::keyClick(window.get(), key, modifiers);
    }

private slots:
    void init() { Start(); }
    void cleanup() { Finish(); }

    // One action per command: the toolbar's button and the menu item are the same object.
    void MenusAndToolbarShareOneActionPerCommand() {
        QList<QAction*> menuActions;
        const QList<QAction*> menus = window->menuBar()->actions();
        QCOMPARE(menus.size(), 7);
        for (QAction* menu : menus) menuActions += menu->menu()->actions();
        for (QAction* action : window->toolbar()->actions()) {
            if (!action->isSeparator()) QVERIFY(menuActions.contains(action));
        }
        QCOMPARE(window->action(CommandId::Save)->toolTip(), QStringLiteral("Save (Ctrl+S)"));
        QCOMPARE(window->action(CommandId::Save)->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(window->action(CommandId::Copy)->text(), QStringLiteral("Copy\tCtrl+C"));
        QVERIFY(window->action(CommandId::Copy)->shortcut().isEmpty());

        NewProject("Trip");
        QVERIFY(!window->action(CommandId::AlignTime)->isEnabled());
        Press(Qt::Key_A, Qt::ControlModifier, {});
        QCOMPARE(doc().last(), 1);
        QVERIFY(window->action(CommandId::AlignTime)->isEnabled());
    }

    void OpenAsksOnlyAfterAFileWasPicked() {
        NewProject("Other");
        const std::string other = doc().file();
        doc().CloseProject();
        NewProject("Trip");
        Edit();
        const auto objects = doc().objects;
        // Cancel in the file dialog: no question, nothing changes.
        ChooseInNextFileDialog(QString());
        window->RunCommand(CommandId::Open);
        QCOMPARE(doc().objects, objects);
        // A file picked, then Cancel to the question: nothing changes either.
        QString question;
        ChooseInNextFileDialog(QString::fromStdString(other));
        QTimer::singleShot(50, [&] { AnswerNextMessageBox(QMessageBox::Cancel, &question); });
        window->RunCommand(CommandId::Open);
        QCOMPARE(question, QStringLiteral("Do you want to save the changes?"));
        QCOMPARE(doc().objects, objects);
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip*"));
        // Ctrl+O, No: the other project opens and is the first recent one.
        Press(Qt::Key_O, Qt::ControlModifier, [&] {
            ChooseInNextFileDialog(QString::fromStdString(other));
            QTimer::singleShot(50, [] { AnswerNextMessageBox(QMessageBox::No); });
        });
        QCOMPARE(window->windowTitle(), QStringLiteral("Other"));
        QCOMPARE(window->recentMenu()->actions().size(), 1);
        QVERIFY(window->recentMenu()->actions()[0]->text().endsWith(QString::fromStdString(other)));
    }

    // An edit autosaved, then the program gone without saving: the next start offers it back.
    void AutosaveIsOfferedBackAfterALostRun() {
        qputenv("REELWORK_AUTOSAVE_SECONDS", "2");
        MakeWindow();
        qunsetenv("REELWORK_AUTOSAVE_SECONDS");
        QCOMPARE(window->autosave().intervalMs(), 2000);
        NewProject("Trip");
        const std::string file = doc().file();
        const std::string autosave = ProjectRecovery::AutosavePath(file);
        window->autosave().Tick();  // nothing unsaved: nothing written
        window->autosave().Settle();
        QVERIFY(!fs::exists(autosave));
        Edit();
        const auto edited = doc().objects;
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(autosave), 5000);
        window->autosave().Settle();
        window->view().document().SetFile({}, {});  // as if the program was killed
        MakeWindow();

        QString question;
        PressNextNamed(QStringLiteral("Recover"), &question);
        window->OpenProject(file);
        QVERIFY(question.startsWith(QStringLiteral("Recover the unsaved changes from ")));
        QCOMPARE(doc().objects, edited);
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip*"));
        Press(Qt::Key_S, Qt::ControlModifier, {});
        QVERIFY(!fs::exists(autosave));
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip"));

        // Discard deletes the autosave and keeps the saved project.
        const auto saved = doc().objects;
        QVERIFY(ProjectFile::Save(autosave, doc().properties, {}).ok());
        fs::last_write_time(autosave, fs::last_write_time(file) + std::chrono::seconds(3));
        PressNextNamed(QStringLiteral("Discard"));
        window->OpenProject(file);
        QVERIFY(!fs::exists(autosave));
        QCOMPARE(doc().objects, saved);

        // A damaged autosave is reported and the project opens.
        QVERIFY(Sys::WriteWholeFile(autosave, "bad"));
        fs::last_write_time(autosave, fs::last_write_time(file) + std::chrono::seconds(3));
        QString message;
        AnswerNextMessageBox(QMessageBox::Ok, &message);
        window->OpenProject(file);
        QVERIFY(message.contains(QStringLiteral("damaged")));
        QCOMPARE(doc().objects, saved);
    }

    void AFailingAutosaveIsReportedOnce() {
        NewProject("Trip");
        Edit();
        const std::string blocker =
            ProjectFile::TemporaryPath(ProjectRecovery::AutosavePath(doc().file())).string();
        fs::create_directory(blocker);
        int failures = 0;
        connect(&window->autosave(), &AutosaveControl::failed, [&] { ++failures; });
        for (int i = 0; i < 3; ++i) {
            window->autosave().Tick();
            QTest::qWait(50);
            window->autosave().Settle();
            QCoreApplication::processEvents();
        }
        QCOMPARE(failures, 1);
        QVERIFY(window->statusBar()->currentMessage().startsWith(
            QStringLiteral("Autosave failed: the folder %1 cannot be written (")
                .arg(QString::fromStdString(doc().folder()))));
        fs::remove(blocker);
    }

    // A write still running when the project was saved (behind a question) leaves nothing.
    void AWriteEndingAfterASaveLeavesNothing() {
        NewProject("Trip");
        Edit();
        window->autosave().Tick();
        QVERIFY(doc().Save().ok());
        window->autosave().Settle();
        QVERIFY(!fs::exists(ProjectRecovery::AutosavePath(doc().file())));
    }

    // A damaged project says so in the title, and Save asks for a new name.
    void DamagedProjectSavesUnderANewName() {
        NewProject("Trip");
        const std::string file = doc().file();
        std::string bytes;
        QVERIFY(Sys::ReadWholeFile(file, bytes));
        bytes.resize(bytes.size() - 10);
        QVERIFY(Sys::WriteWholeFile(file, bytes));
        doc().CloseProject();
        AnswerNextMessageBox(QMessageBox::Ok);
        window->OpenProject(file);
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip* (recovered from a damaged file)"));
        Press(Qt::Key_S, Qt::ControlModifier,
              [&] { ChooseInNextFileDialog(QString::fromStdString(Path("Rescued"))); });
        QCOMPARE(QString::fromStdString(doc().file()), QString::fromStdString(Path("Rescued.rwk")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Rescued"));
        std::string after;
        QVERIFY(Sys::ReadWholeFile(file, after));
        QCOMPARE(after.size(), bytes.size());
    }

    // Into another folder the files the objects use come along, so the new project is complete.
    void SaveAsIntoAnotherFolderCopiesTheFiles() {
        NewProject("Trip");
        Edit();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("elsewhere")));
        Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier,
              [&] { ChooseInNextFileDialog(QString::fromStdString(Path("elsewhere/Copy.rwk"))); });
        QCOMPARE(QString::fromStdString(doc().folder()), QString::fromStdString(Path("elsewhere")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Copy"));
        for (const char* name : {"Copy.rwk", "sample.jpg", "sample.wav"}) {
            QVERIFY2(fs::exists(dir->filePath(QStringLiteral("elsewhere/")).toStdString() + name),
                     name);
        }
        QCOMPARE(window->recentMenu()->actions().size(), 1);
    }

    void ShortcutListOpensWithF1() {
        QString text;
        Press(Qt::Key_F1, Qt::NoModifier, [&] { AnswerNextMessageBox(QMessageBox::Ok, &text); });
        QVERIFY(text.contains(QStringLiteral("Ctrl+Shift+S")));
        QVERIFY(text.contains(QStringLiteral("Lengthen the selected objects by 100 ms")));
    }
};

REELWORK_QTEST_MAIN(ReelworkFilesTest)
#include "ReelworkFilesTest.moc"
