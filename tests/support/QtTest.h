#pragma once

#include <cstdlib>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// main() of a QTest program: Qt's offscreen platform unless another one is asked for.
#define REELWORK_QTEST_MAIN(TestClass)                                                  \
    int main(int argc, char** argv) {                                                   \
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1); \
        QApplication application(argc, argv);                                           \
        TestClass test;                                                                 \
        return QTest::qExec(&test, argc, argv);                                         \
    }

// Presses a button of the message box that is shown next; its text goes to *text when given.
inline void PressWhenShown(QMessageBox::StandardButton button, QString* text, int triesLeft) {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        if (text) *text = box->text();
        box->button(button)->click();
    } else if (triesLeft > 0) {
        QTimer::singleShot(10, [=] { PressWhenShown(button, text, triesLeft - 1); });
    }
}

inline void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    QTimer::singleShot(0, [=] { PressWhenShown(button, text, 300); });
}

// Chooses the file in the file dialog that is shown next (or cancels it for an empty path);
// the dialog's title goes to *title when given.
inline void ChooseWhenShown(const QString& path, QString* title, int triesLeft) {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        if (title) *title = dialog->windowTitle();
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    } else if (triesLeft > 0) {
        QTimer::singleShot(10, [=] { ChooseWhenShown(path, title, triesLeft - 1); });
    }
}

inline void ChooseInNextFileDialog(const QString& path, QString* title = nullptr) {
    QTimer::singleShot(0, [=] { ChooseWhenShown(path, title, 300); });
}
