#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QString>

#include "video/ScreenGrabber.h"

class QDialog;
class QWidget;
class Reelwork;

// Walks the window through a few typical moments (rows selected, rows pasted and moved, a
// movie being made) and saves a picture of each into a folder, then quits the program.
class ScreenshotTour : public QObject {
    Q_OBJECT

public:
    ScreenshotTour(Reelwork& window, const QString& folder);

private:
    void Next();
    // Saves the window, or the given one, as it shows on the screen.
    void Save(const QString& name, QWidget* widget = nullptr);
    // Shows a dialog without waiting for it, closing the one shown before.
    void Open(QDialog* dialog);
    void CloseDialog();
    void OpenRecordingDialog();
    void OpenCombineDialog();
    void ClickRow(int row, Qt::KeyboardModifiers modifiers);
    void DragRightEdge(int dx);
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    Reelwork& window_;
    QDialog* dialog_ = nullptr;
    ScreenGrabber grabber_;
    QString folder_;
    std::vector<std::pair<int, std::function<void()>>> steps_;  // delay in ms, then the step
    size_t next_ = 0;
};
