#pragma once

#include <string>
#include <string_view>

class Document;

// The main window's title in the given mode (3 is recording the screen): the project name,
// with '*' while there are unsaved changes and a note when it was rescued from a damaged file,
// or the program name and version.
std::string WindowTitle(int mode, const Document& document);

// The project path given on the command line: the arguments with every double quote removed;
// empty when 2 characters or fewer remain.
std::string ProjectPathFromCommandLine(std::string_view commandLine);
