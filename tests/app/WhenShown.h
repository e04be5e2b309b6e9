#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>

// Runs `act` on the modal dialog of the given kind once it shows, looking every 10 ms for up
// to `triesLeft` times.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> act, int triesLeft = 300) {
    QTimer::singleShot(10, [=] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            act(*dialog);
        } else if (triesLeft > 0) {
            WhenShown<Dialog>(act, triesLeft - 1);
        }
    });
}
