#include "app/screenshots/ImportScreenshots.h"

#include <chrono>
#include <thread>

#include <QDir>
#include <QListWidget>

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

}  // namespace

void SaveImportShots(Reelwork& window, const QString& folder) {
    const QDir out(folder);
    Document& document = window.view().document();
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
