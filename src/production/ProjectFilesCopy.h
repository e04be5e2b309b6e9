#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "project/MovieObject.h"

// Copies the files a project's objects use (pictures, sounds, drawing documents, frame folders)
// from its folder into another one, so that the project saved there is complete. Files the
// new folder already holds are kept as they are.
class ProjectFilesCopy {
public:
    ProjectFilesCopy(const std::vector<MovieObject>& objects, const std::string& from,
                     const std::string& to);

    // The files to copy, as paths below the old folder, and their size together.
    const std::vector<std::string>& files() const { return files_; }
    uint64_t bytes() const { return bytes_; }
    // Copies them with progress by bytes; a stop request is honoured between files.
    Mt::TaskResult Run(Mt::Task& task) const;

private:
    void AddName(const std::string& name);

    std::string from_, to_;
    std::vector<std::string> files_;
    std::vector<uint64_t> sizes_;
    uint64_t bytes_ = 0;
};
