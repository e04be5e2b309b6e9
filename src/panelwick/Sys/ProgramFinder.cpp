#include "panelwick/Sys/ProgramFinder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "panelwick/Sys/File.h"

namespace Sys {
namespace {

bool Opens(const std::string& folder, const std::string& fileName) {
    File file;
    return !folder.empty() && file.Open(folder + "/" + fileName, File::Mode::Read);
}

std::string CurrentFolder() {
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
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
    const std::string current = CurrentFolder();
    const bool sub = !subfolder.empty();
    candidates.push_back(program);
    if (sub && !program.empty()) candidates.push_back(program + "/" + subfolder);
    if (const char* programFiles = std::getenv("ProgramFiles"); sub && programFiles) {
        candidates.push_back(std::string(programFiles) + "/" + subfolder);
    }
    candidates.push_back(current);
    if (sub && !current.empty()) candidates.push_back(current + "/" + subfolder);
    candidates.push_back(fixedFolder);
    if (const char* path = std::getenv("PATH")) {
        std::string list = path;
        for (size_t start = 0; start <= list.size();) {
            size_t end = list.find(':', start);
            if (end == std::string::npos) end = list.size();
            if (end > start) candidates.push_back(list.substr(start, end - start));
            start = end + 1;
        }
    }
    for (const std::string& candidate : candidates) {
        if (Opens(candidate, fileName)) {
            folder = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace Sys
