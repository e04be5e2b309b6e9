#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "support/ScopedEnvironment.h"

// A shell script `name` with the given body, written into `folder`, which leads PATH until
// this is destroyed: the stand-in is found before the real program of that name.
class StandInProgram {
public:
    StandInProgram(const std::filesystem::path& folder, const std::string& name,
                   const std::string& body) {
        namespace fs = std::filesystem;
        fs::create_directories(folder);
        std::ofstream(folder / name) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(folder / name, fs::perms::owner_all, fs::perm_options::add);
        const char* old = std::getenv("PATH");
        path_.emplace("PATH", (folder.string() + ":" + (old ? old : "")).c_str());
    }

private:
    std::optional<ScopedEnvironment> path_;
};
