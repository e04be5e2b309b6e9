#include "editing/MainWindowRules.h"

#include <cstdio>

#include "panelwick/Sys/FileSystem.h"
#include "project/Document.h"
#include "project/Version.h"

std::string WindowTitle(int mode, const Document& document) {
    if (mode == 3) return "Recording . . .";
    std::string name;
    if (document.IsOpen() && Sys::FileTitle(document.file(), name)) {
        if (!document.saved()) name += "*";
        if (document.damaged()) name += " (recovered from a damaged file)";
        return name;
    }
    char text[64];
    std::snprintf(text, sizeof text, "Reelwork %d.%d", kVersionMajor, kVersionMinor);
    return text;
}

std::string ProjectPathFromCommandLine(std::string_view commandLine) {
    std::string path;
    for (char c : commandLine) {
        if (c != '"') path += c;
    }
    if (path.size() <= 2) path.clear();
    return path;
}
