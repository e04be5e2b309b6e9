// reelwork-screenshots FOLDER PROJECT.rwk: opens the project in the desktop program's main
// window, walks it through typical moments and saves a picture of each into FOLDER.
#include <cstdio>
#include <filesystem>
#include <memory>

#include <QApplication>

#include "app/screenshots/ScreenshotTour.h"
#include "app/window/Reelwork.h"
#include "production/MoviePipeline.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: reelwork-screenshots FOLDER PROJECT.rwk\n");
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("Reelwork"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.reelwork.Reelwork"));
    Reelwork window;
    window.SetMovieCreation(std::make_unique<MoviePipeline>());
    window.show();
    window.OpenProject(std::filesystem::absolute(argv[2]).string());
    ScreenshotTour tour(window, QString::fromLocal8Bit(argv[1]));
    return application.exec();
}
