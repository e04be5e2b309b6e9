#include "app/window/AutosaveControl.h"

#include "project/Document.h"
#include "project/ProjectRecovery.h"

AutosaveControl::AutosaveControl(Document& document, QObject* parent)
    : QObject(parent), document_(document) {
    timer_.setInterval(Autosaver::IntervalSeconds() * 1000);
    connect(&timer_, &QTimer::timeout, this, &AutosaveControl::Tick);
    timer_.start();
}

AutosaveControl::~AutosaveControl() {
    (void)autosaver_.Finish();
}

void AutosaveControl::Settle() {
    (void)autosaver_.Finish();
    DropStale();
}

// A save or a No to the save question while the last write ran already deleted the
// autosave; the write must not bring it back.
void AutosaveControl::DropStale() {
    const std::string& file = autosaver_.projectFile();
    if (!file.empty() && (document_.saved() || document_.file() != file)) {
        ProjectRecovery::Discard(file);
    }
}

void AutosaveControl::Tick() {
    // The destructor waits for the worker, so the notice never outlives this object.
    (void)autosaver_.Start(document_, [this] {
        QMetaObject::invokeMethod(this, &AutosaveControl::Collect, Qt::QueuedConnection);
    });
}

// On the window's thread once a write has ended.
void AutosaveControl::Collect() {
    if (autosaver_.running()) return;
    const Sys::Result result = autosaver_.Finish();
    DropStale();
    if (result.ok()) {
        reported_ = false;
        emit written();
        return;
    }
    if (reported_) return;
    reported_ = true;
    // The first line names what failed, the second the system's reason.
    const QStringList lines = QString::fromStdString(result.message()).split(QLatin1Char('\n'));
    const QString reason = lines.size() > 1 ? lines.last() : lines.first();
    if (lines.first() == QStringLiteral("Unable to create the file")) {
        emit failed(QStringLiteral("Autosave failed: the folder %1 cannot be written (%2)")
                        .arg(QString::fromStdString(document_.folder()), reason));
    } else {
        emit failed(QStringLiteral("Autosave failed: %1 (%2)").arg(lines.first(), reason));
    }
}
