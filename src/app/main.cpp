// The desktop program: reelwork [--at SECONDS] [PROJECT.rwk]
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>

#include "app/window/Reelwork.h"
#include "editing/AtOption.h"
#include "editing/MainWindowRules.h"
#include "production/MoviePipeline.h"
#include "project/Version.h"

namespace {

constexpr const char* kHelp =
    "Usage: reelwork [OPTIONS] [PROJECT.rwk]\n"
    "\n"
    "Make short movies from pictures, text, sound, screen recordings and video clips.\n"
    "Opens the main window, with the project PROJECT.rwk when one is given.\n"
    "\n"
    "Options:\n"
    "  -h,--help     Print this help message and exit\n"
    "  --version     Print the version and exit\n"
    "  --at SECONDS  Open the project with the monitor's playhead at that time\n"
    "\n"
    "The standard Qt options, such as -platform NAME, are accepted too.\n"
    "reelwork-cli offers the movie engine without a window.\n";

// Answers --help and --version before anything needs a display; true when one was answered.
bool PrintedHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("reelwork %d.%d\n", kVersionMajor, kVersionMinor);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (PrintedHelpOrVersion(argc, argv)) return 0;
    QApplication application(argc, argv);
    // What Qt left of the arguments.
    std::vector<std::string> args(argv + 1, argv + argc);
    const AtOption at = TakeAtOption(args);
    if (!at.error.empty()) {
        std::fprintf(stderr, "reelwork: %s\n", at.error.c_str());
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Reelwork"));
    // Ties the windows to the desktop entry, whose icon and name the desktop shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.reelwork.Reelwork"));
    Reelwork window;
    window.SetMovieCreation(std::make_unique<MoviePipeline>());
    window.show();

    // The arguments form one command line; what remains of it without quotes is the project.
    std::string commandLine;
    for (size_t i = 0; i < args.size(); ++i) commandLine += (i > 0 ? " " : "") + args[i];
    const std::string path = ProjectPathFromCommandLine(commandLine);
    if (!path.empty()) window.OpenProject(std::filesystem::absolute(path).string());
    if (at.ms >= 0) window.SetPlayhead(uint32_t(at.ms));
    return application.exec();
}
