#include <functional>
#include <set>

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>
#include <QUrl>

#include "app/WhenShown.h"
#include "app/WindowFixture.h"
#include "app/editor/EditDlg.h"
#include "app/monitor/MonitorPanel.h"
#include "app/progress/ProgressCtrl.h"
#include "editing/CommandTable.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Win/Metrics.h"
#include "panelwick/Win/Notice.h"
#include "production/IMovieCreation.h"
#include "production/ScenePreparation.h"
#include "render/FrameComposer.h"

namespace {

// Records how it was started and ends when asked to stop.
class FakeCreation : public IMovieCreation {
public:
    int starts = 0;
    std::string error;
    std::string refusal;  // what Start answers, when set
    std::vector<size_t> refusedObjects;
    bool direct = false;
    EndNotice onEnd;

    Sys::Result Start(const Document&, uint32_t, uint32_t, EndNotice notice) override {
        if (!refusal.empty()) return refusal;
        ++starts;
        onEnd = std::move(notice);
        return {};
    }
    void RequestStop() override { onEnd(); }
    void Wait() override {}
    Mt::TaskResult Result() const override { return error.c_str(); }
    std::vector<size_t> RefusedObjects() const override { return refusedObjects; }
    void SetDirect(bool d) override { direct = d; }
    int CurrentStage() const override { return 3; }
    bool TakeStageRestart() override { return false; }
    double ProgressFraction() const override { return 0.5; }
};

// The toolbar's commands for which `on` holds.
std::set<CommandId> CommandsWhere(const std::function<bool(CommandId)>& on) {
    std::set<CommandId> ids;
    for (const ToolbarButton& b : kToolbarButtons) {
        if (b.id != CommandId::None && on(b.id)) ids.insert(b.id);
    }
    return ids;
}

// The commands the command table enables in the context.
std::set<CommandId> TableEnables(const CommandContext& c) {
    return CommandsWhere([&](CommandId id) { return IsCommandEnabled(id, c); });
}

// The pixels of one colour (0x00RRGGBB) in the left and in the right half of the project's
// frame 0 as the movie draws it.
std::pair<int, int> MoviePixelsOf(const Document& document, uint32_t rgb) {
    const MovieProperties& p = document.properties;
    ScenePreparation preparation(document.objects, p, document.paths());
    if (!preparation.PrepareAll(Mt::Task::Unwatched()).ok()) return {};
    CG::DIBitmap frame;
    CG::ImageRGBA video;
    frame.Create(24, 0, p.width, p.height, false);
    if (ComposeFrame(preparation.scene().frameScene(), 0, frame, video).failed()) return {};
    std::pair<int, int> count;
    for (int y = 0; y < frame.height(); ++y) {
        const uint8_t* q = frame.pixels() + size_t(y) * frame.stride();
        for (int x = 0; x < frame.width(); ++x, q += 3) {
            if ((uint32_t(q[2]) << 16 | q[1] << 8 | q[0]) != rgb) continue;
            ++(x < frame.width() / 2 ? count.first : count.second);
        }
    }
    return count;
}

}  // namespace

class ReelworkTest : public WindowFixture {
    Q_OBJECT

    FakeCreation* creation = nullptr;

    std::set<CommandId> Enabled() {
        return CommandsWhere([this](CommandId id) { return window->action(id)->isEnabled(); });
    }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        DocumentView& view = window->view();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers,
                          QPoint(30, row * view.rowHeight() + 2));
    }
    void Drop(const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        // A drop goes where the drag entered.
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
    }

private slots:
    void init() {
        Start();
        auto fake = std::make_unique<FakeCreation>();
        creation = fake.get();
        window->SetMovieCreation(std::move(fake));
    }
    void cleanup() { Finish(); }

    void ToolbarHoldsEveryCommandInOrder() {
        const QList<QAction*> actions = window->toolbar()->actions();
        QCOMPARE(actions.size(), kToolbarButtonCount);
        const int icon = Win::NearestIconSize(0.42333 * Win::ScreenDpi() / 2.54);
        QCOMPARE(window->toolbar()->iconSize(), QSize(icon, icon));
        for (int i = 0; i < kToolbarButtonCount; ++i) {
            const ToolbarButton& button = kToolbarButtons[i];
            QCOMPARE(actions[i]->isSeparator(), button.id == CommandId::None);
            if (button.id == CommandId::None) continue;
            QVERIFY(actions[i]->toolTip().startsWith(QString::fromLatin1(button.text)));
            QVERIFY(!actions[i]->icon().isNull());
            QWidget* widget = window->toolbar()->widgetForAction(actions[i]);
            QCOMPARE(widget->width(), icon + Win::CmToPixels(0.1));
        }
        QMenu* help = window->menuBar()->findChild<QMenu*>(QStringLiteral("Help"));
        QMenu* movie = window->menuBar()->findChild<QMenu*>(QStringLiteral("Movie"));
        QCOMPARE(movie->actions().last(), window->directRender());
        QCOMPARE(window->directRender()->text(), QStringLiteral("Direct render"));
        QVERIFY(window->directRender()->isCheckable());
        QCOMPARE(help->title(), QStringLiteral("&Help"));
        QCOMPARE(help->actions().size(), 2);
        QCOMPARE(help->actions()[1]->text(), QStringLiteral("&About ..."));
        QCOMPARE(help->actions()[1]->shortcuts(),
                 QList<QKeySequence>({QKeySequence(QStringLiteral("Alt+?")),
                                      QKeySequence(QStringLiteral("Alt+/"))}));
    }

    // The actions follow the command table through each state the user brings the window to.
    void CommandStatesFollowProjectAndSelection() {
        CommandContext c;
        QCOMPARE(Enabled(), TableEnables(c));
        QCOMPARE(window->windowTitle(), QStringLiteral("Reelwork 1.0"));
        NewProject("Trip");
        c.projectOpen = true;
        QCOMPARE(Enabled(), TableEnables(c));
        ClickRow(0);
        c.selected = true;
        QCOMPARE(Enabled(), TableEnables(c));
        ClickRow(1, Qt::ShiftModifier);
        c.multipleSelected = true;
        QCOMPARE(Enabled(), TableEnables(c));
        window->RunCommand(CommandId::Copy);
        c.pasteAvailable = true;
        QCOMPARE(Enabled(), TableEnables(c));
        QVERIFY(Sys::WriteWholeFile(doc().folder() + "/movie.mp4", "x"));
        window->RunCommand(CommandId::MoveAfter);  // refreshes: movie.mp4 is seen now
        QCOMPARE(doc().objects[1].begin, 3100u);
        c.movieExists = c.unsaved = c.canUndo = true;
        QCOMPARE(Enabled(), TableEnables(c));
    }

    void TitleShowsUnsavedChanges() {
        NewProject("Trip");
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip"));
        ClickRow(0);
        QTest::keyClick(&window->view(), Qt::Key_Space);
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip"));  // the edit notice is posted
        QCoreApplication::processEvents();
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip*"));
        QVERIFY(window->action(CommandId::Save)->isEnabled());
        window->RunCommand(CommandId::Save);
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip"));
        QVERIFY(!window->action(CommandId::Save)->isEnabled());
    }

    void CreateMovieKeepsTheWindowBusyUntilItEnds() {
        NewProject("Trip");
        // A refusal of the movie creation is shown, selects the rows of the bad files and
        // changes nothing else.
        creation->refusal = "The movie cannot be made:\nMissing file: sample.wav";
        creation->refusedObjects = {1};
        QString refused;
        AnswerNextMessageBox(QMessageBox::Ok, &refused);
        window->RunCommand(CommandId::CreateMovie);
        QCOMPARE(refused, QStringLiteral("The movie cannot be made:\nMissing file: sample.wav"));
        QCOMPARE(window->mode(), int(Reelwork::kEditing));
        QCOMPARE(doc().first(), 1);
        QCOMPARE(doc().last(), 1);
        creation->refusal.clear();

        window->RunCommand(CommandId::CreateMovie);
        QCOMPARE(creation->starts, 1);
        QCOMPARE(window->mode(), int(Reelwork::kCreating));
        QCOMPARE(window->currentPage(), static_cast<QWidget*>(&window->progress()));
        QCOMPARE(Enabled(), (std::set<CommandId>{CommandId::Stop, CommandId::Help}));
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip"));
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());

        // Only the end notice with 123 and 456 counts.
        Win::PostNotice(window.get(), Reelwork::kCreationEndNotice, 1, 2);
        QCoreApplication::processEvents();
        QCOMPARE(window->mode(), int(Reelwork::kCreating));

        creation->error = "Error\r\n\r\nffmpeg";
        QString shown;
        AnswerNextMessageBox(QMessageBox::Ok, &shown);
        window->RunCommand(CommandId::Stop);
        QTRY_COMPARE(window->mode(), int(Reelwork::kEditing));
        QTRY_COMPARE(shown, QStringLiteral("Error\r\n\r\nffmpeg"));
        QCOMPARE(window->currentPage(), static_cast<QWidget*>(&window->view()));
        QVERIFY(Enabled().contains(CommandId::CreateMovie));
        QVERIFY(!Enabled().contains(CommandId::Stop));
    }

    void PlayInPositionPlaysTheSelectedObjectsSpanInTheMonitor() {
        qputenv("SDL_AUDIODRIVER", "dummy");
        NewProject("Trip");
        window->SetPlayhead(300);
        window->RunCommand(CommandId::PlayMovieInPosition);
        QVERIFY(!window->monitor().playing());  // nothing selected
        doc().objects[1].begin = 1500;
        doc().objects[1].end = 2000;
        ClickRow(1);
        window->RunCommand(CommandId::PlayMovieInPosition);
        QCOMPARE(creation->starts, 0);  // no movie is made
        QVERIFY(window->monitor().playing());
        QVERIFY(window->monitor().playhead().time() >= 1500);
        QVERIFY(QTest::qWaitFor([this] { return !window->monitor().playing(); }, 10000));
        QCOMPARE(window->monitor().playhead().time(), 300u);
        QCOMPARE(window->mode(), int(Reelwork::kEditing));

        // "Direct render" reaches the movie creation (the user's choice is put back after).
        const bool chosen = window->directRender()->isChecked();
        window->directRender()->setChecked(!chosen);
        window->RunCommand(CommandId::CreateMovie);
        QCOMPARE(creation->direct, !chosen);
        window->RunCommand(CommandId::Stop);
        QTRY_COMPARE(window->mode(), int(Reelwork::kEditing));
        window->directRender()->setChecked(chosen);
    }

    void EditingATextObjectChangesTheMovie() {
        NewProject("Trip");
        doc().properties.width = 640;
        doc().properties.height = 360;
        doc().properties.backColor = 0;
        MovieObject text;
        text.type = MovieObjectType::Text;
        text.text = u"Hello";
        text.end = 5000;
        text.frontColor = text.backColor = 0xFFFFFF;
        text.beginState.x = text.endState.x = 1200 * 10000;
        text.beginState.y = text.endState.y = 450 * 10000;
        doc().objects = {text};
        doc().NotifyRepaint();
        const std::pair<int, int> white = MoviePixelsOf(doc(), 0xFFFFFF);
        QVERIFY(white.first == 0 && white.second > 100);

        ClickRow(0);
        WhenShown<EditDlg>([](EditDlg& dialog) {
            dialog.WaitUntilPrepared();
            dialog.ChooseColor(true, 0x0000FF);  // red
            dialog.WaitUntilPrepared();
            dialog.box(EditDlg::kX)->setText(QStringLiteral("400"));
            dialog.accept();
        });
        QTest::mouseDClick(window->view().viewport(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(30, 2));
        QTRY_COMPARE(doc().objects[0].frontColor, 0x0000FFu);
        QCOMPARE(doc().objects[0].beginState.x, 400 * 10000);
        QVERIFY(doc().CanUndo());
        const std::pair<int, int> red = MoviePixelsOf(doc(), 0xFF0000);
        QVERIFY(red.first > 100 && red.second == 0);
    }

    void AskToSaveCancelKeepsEverything() {
        NewProject("Trip");
        ClickRow(0);
        QTest::keyClick(&window->view(), Qt::Key_F3);
        const auto objects = doc().objects;
        const std::string file = doc().file();
        QString question;  // Open asks the same after a file is picked (ReelworkFilesTest)
        AnswerNextMessageBox(QMessageBox::Cancel, &question);
        window->RunCommand(CommandId::New);
        QCOMPARE(question, QStringLiteral("Do you want to save the changes?"));
        AnswerNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(doc().objects, objects);
        QCOMPARE(doc().file(), file);
        QVERIFY(doc().CanUndo());
        QVERIFY(!doc().saved());
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip*"));

        AnswerNextMessageBox(QMessageBox::No);
        QVERIFY(window->close());
        QVERIFY(!doc().IsOpen());
    }

    void DroppedProjectFilesOpen() {
        NewProject("Other");
        const std::string other = doc().file();
        doc().CloseProject();
        NewProject("Trip");
        QVERIFY(Sys::WriteWholeFile(Path("notes.txt"), "text"));
        Drop(Path("notes.txt"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Trip"));
        ClickRow(0);
        QTest::keyClick(&window->view(), Qt::Key_F3);
        QString question;
        AnswerNextMessageBox(QMessageBox::No, &question);
        Drop(other);
        QCOMPARE(question, QStringLiteral("Do you want to save the changes?"));
        QCOMPARE(QString::fromStdString(doc().file()), QString::fromStdString(other));
        QCOMPARE(window->windowTitle(), QStringLiteral("Other"));
    }
};

REELWORK_QTEST_MAIN(ReelworkTest)
#include "ReelworkTest.moc"
