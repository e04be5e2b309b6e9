#pragma once

#include <string>
#include <utility>
#include <vector>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "project/MissingFiles.h"

class Document;

// "Locate...": the file chosen for a missing one is imported into the project (a video as a
// new frame folder), and files of the same names as the other missing ones, found in the
// chosen file's folder, are imported too.
class RelinkJob {
public:
    void Plan(const std::string& projectFolder, std::vector<MissingFiles::Entry> missing,
              size_t chosen, const std::string& chosenPath);
    // Fails with the reason and the chosen file when it cannot be imported.
    Mt::TaskResult Run(Mt::Task& task);

    // Missing name and its replacement, for every file found.
    const std::vector<std::pair<std::string, std::string>>& found() const { return found_; }
    // Points the objects at the replacements, after one undo point.
    void ApplyTo(Document& document) const;

private:
    std::string folder_, chosenPath_;
    std::vector<MissingFiles::Entry> missing_;
    size_t chosen_ = 0;
    std::vector<std::pair<std::string, std::string>> found_;
};
