#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "editing/Autosaver.h"

class Document;

// Drives the autosave of the open project: every interval it hands the project to the
// Autosaver, which writes on its worker. A failure is reported once until a write succeeds
// again; the next interval tries again.
class AutosaveControl : public QObject {
    Q_OBJECT

public:
    AutosaveControl(Document& document, QObject* parent);
    ~AutosaveControl() override;

    // Waits for a running write and deletes what it wrote when the project has no unsaved
    // changes any more; call before and after the project file or its autosave change hands.
    void Settle();
    // Writes now when there is something to write (the interval's work).
    void Tick();
    int intervalMs() const { return timer_.interval(); }

signals:
    // A failed autosave's message, once per run of failures.
    void failed(const QString& message);
    // Every write that ended well.
    void written();

private:
    void Collect();
    void DropStale();

    Document& document_;
    Autosaver autosaver_;
    QTimer timer_;
    bool reported_ = false;
};
