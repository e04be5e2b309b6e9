#include "app/screenshots/DialogShot.h"

#include <cstdio>

#include <QDialog>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

void WaitMs(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void ShootDialog(QDialog& dialog, const QString& path, const std::function<void()>& during) {
    dialog.show();
    WaitMs(300);
    if (during) during();
    WaitMs(700);
    QScreen* screen = dialog.screen();
    QPixmap picture = screen ? screen->grabWindow(dialog.winId()) : QPixmap();
    if (picture.isNull()) picture = dialog.grab();
    std::printf("%s %s\n", picture.save(path) ? "saved" : "could not save",
                path.toLocal8Bit().constData());
    std::fflush(stdout);
    dialog.hide();
}
