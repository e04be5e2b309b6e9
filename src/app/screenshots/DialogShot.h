#pragma once

#include <functional>

#include <QString>

class QDialog;

// Screenshot helpers: waiting while the event loop runs, and a picture of a dialog as the
// screen shows it.
void WaitMs(int ms);
// Shows the dialog, lets `during` set it up, waits, saves what the screen shows and hides it.
void ShootDialog(QDialog& dialog, const QString& path, const std::function<void()>& during = {});
