// The desktop program: reelwork [PROJECT.rwk]
#include <filesystem>
#include <memory>
#include <string>

#include <QApplication>

#include "app/window/Reelwork.h"
#include "editing/MainWindowRules.h"
#include "production/MoviePipeline.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Reelwork"));
    // Ties the windows to reelwork.desktop, whose icon and name the desktop shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("reelwork"));
    Reelwork window;
    window.SetMovieCreation(std::make_unique<MoviePipeline>());
    window.show();

    // The arguments form one command line; what remains of it without quotes is the project.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    const std::string path = ProjectPathFromCommandLine(commandLine);
    if (!path.empty()) window.OpenProject(std::filesystem::absolute(path).string());
    return application.exec();
}
