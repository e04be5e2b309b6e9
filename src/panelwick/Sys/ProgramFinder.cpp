#include "panelwick/Sys/ProgramFinder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace Sys {
namespace {

bool IsExecutableFile(const std::string& folder, const std::string& fileName) {
    if (folder.empty() || folder.front() != '/') return false;
    const std::string path = folder + "/" + fileName;
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// The folders of PATH in order; empty and relative entries stand for the current folder and
// are left out.
std::vector<std::string> PathFolders() {
    std::vector<std::string> folders;
    const char* path = std::getenv("PATH");
    if (!path) return folders;
    const std::string list = path;
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        if (end > start && list[start] == '/') folders.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

}  // namespace

std::string ProgramFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

bool FindProgram(const std::string& subfolder, const std::string& fileName,
                 const std::string& fixedFolder, std::string& folder) {
    std::vector<std::string> candidates;
    const std::string program = ProgramFolder();
    candidates.push_back(program);
    if (!subfolder.empty() && !program.empty()) candidates.push_back(program + "/" + subfolder);
    for (std::string& entry : PathFolders()) candidates.push_back(std::move(entry));
    candidates.push_back(fixedFolder);
    for (const std::string& candidate : candidates) {
        if (IsExecutableFile(candidate, fileName)) {
            folder = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace Sys
