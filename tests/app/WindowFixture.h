#pragma once

#include <memory>
#include <string>

#include <QTemporaryDir>

#include "app/timeline/DocumentView.h"
#include "app/window/Reelwork.h"
#include "support/FakePrompt.h"
#include "support/QtTest.h"

// The main window of a window test, shown, with a temporary folder that also holds its
// settings. A test's init() calls Start() and its cleanup() calls Finish().
class WindowFixture : public QObject {
protected:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Reelwork> window;
    FakePrompt prompt;

    Document& doc() { return window->view().document(); }
    std::string Path(const char* name) { return dir->filePath(name).toStdString(); }
    void MakeWindow() {
        window = std::make_unique<Reelwork>();
        window->show();
    }
    void Start() {
        dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", dir->filePath(QStringLiteral("config")).toUtf8());
        prompt = FakePrompt();
        MakeWindow();
    }
    void Finish() {
        doc().CloseProject();  // nothing left to ask about
        window.reset();
        dir.reset();
    }
    void NewProject(const char* name) {
        QVERIFY(doc().New(Path(name), prompt));
        window->RefreshCommands();
    }
};
