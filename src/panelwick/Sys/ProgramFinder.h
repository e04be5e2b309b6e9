#pragma once

#include <string>

namespace Sys {

// Finds a program file and gives the folder that holds it. The candidates, in order: the
// running program's folder, its sub-folder `subfolder` (when one is given), every absolute
// folder of PATH in order, then `fixedFolder`. The current folder is never searched, nor
// PATH entries that would resolve against it (empty or relative ones), so a file planted
// where the user happens to stand is never run. The first executable regular file wins.
bool FindProgram(const std::string& subfolder, const std::string& fileName,
                 const std::string& fixedFolder, std::string& folder);

// The folder of the running program.
std::string ProgramFolder();

}  // namespace Sys
