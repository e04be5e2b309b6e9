#pragma once

#include <string>

namespace Sys {

// Finds a program file and gives the folder that holds it. The candidates, in order: the
// running program's folder, its sub-folder `subfolder`, $ProgramFiles/`subfolder` (when that
// variable is set), the current folder and its sub-folder `subfolder`, `fixedFolder`, then
// every folder of PATH. The sub-folder candidates apply only when a sub-folder is given; the
// first file that opens for reading wins.
bool FindProgram(const std::string& subfolder, const std::string& fileName,
                 const std::string& fixedFolder, std::string& folder);

// The folder of the running program.
std::string ProgramFolder();

}  // namespace Sys
