#include "app/window/AutosaveControl.h"

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
    if (result.ok()) {
        reported_ = false;
        emit written();
        return;
    }
    if (reported_) return;
    reported_ = true;
    QString message = QString::fromStdString(result.message());
    message.replace(QLatin1Char('\n'), QStringLiteral(": "));
    emit failed(QStringLiteral("Autosave failed: %1").arg(message));
}
