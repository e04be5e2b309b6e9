#include "app/screenshots/ImportScreenshots.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include <QApplication>
#include <QDir>
#include <QDragMoveEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <QUrl>

#include "app/editor/FilenameDlg.h"
#include "app/screenshots/DialogShot.h"
#include "app/timeline/DocumentView.h"
#include "app/window/ImportDlg.h"
#include "app/window/MissingFilesDlg.h"
#include "app/window/Reelwork.h"

namespace {

MovieObject Missing(MovieObjectType type, const char16_t* name) {
    MovieObject o;
    o.type = type;
    o.fileName = name;
    return o;
}

// The window while a picture is dragged over the timeline at 75 s: the drop line and label.
void ShootDropMarker(Reelwork& window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(
        QString::fromStdString(window.view().document().folder() + "/sample.jpg"))});
    QWidget* timeline = window.view().viewport();
    const QPoint at(300, 3 * window.view().rowHeight());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(timeline, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(timeline, &move);
    WaitMs(300);
    QScreen* screen = window.screen();
    QPixmap picture = screen ? screen->grabWindow(window.winId()) : QPixmap();
    if (picture.isNull()) picture = window.grab();
    std::printf("%s %s\n", picture.save(path) ? "saved" : "could not save",
                path.toLocal8Bit().constData());
    std::fflush(stdout);
    QDragLeaveEvent leave;
    QApplication::sendEvent(timeline, &leave);
}

}  // namespace

void SaveImportShots(Reelwork& window, const QString& folder) {
    const QDir out(folder);
    Document& document = window.view().document();
    ShootDropMarker(window, out.filePath("drop-on-timeline.png"));
    const std::vector<MovieObject> kept = document.objects;
    document.objects.push_back(Missing(MovieObjectType::Image, u"holiday 01.jpg"));
    document.objects.push_back(Missing(MovieObjectType::Image, u"holiday 01.jpg"));
    document.objects.push_back(Missing(MovieObjectType::Audio, u"voice-over.wav"));
    document.objects.push_back(Missing(MovieObjectType::Video, u"beach_clip"));
    {
        MissingFilesDlg missing(document, &window);
        ShootDialog(missing, out.filePath("missing-files.png"));
    }
    document.objects = kept;

    FilenameDlg chooser(MovieObjectType::Image, document.folder(), "sample.jpg", &window);
    ShootDialog(chooser, out.filePath("chooser-thumbnails.png"), [&] {
        for (int i = 0; i < 50 && chooser.listing(); ++i) WaitMs(20);
        for (int i = 0; i < 100 && chooser.thumbnails() < chooser.list()->count(); ++i) WaitMs(20);
    });

    // An import two fifths done, waiting to be cancelled.
    ImportDlg import(
        [](Mt::Task& task) {
            task.SetProgress(0.4);
            while (!task.Cancelled()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return Mt::TaskResult::Stopped();
        },
        12, &window);
    ShootDialog(import, out.filePath("add-media-progress.png"));
}
