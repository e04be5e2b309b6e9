#pragma once

#include <string>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"

// Brings an outside file into the project folder. A file already inside the folder is used
// where it is; a file of the same name and the same content is used instead of a copy; a file of
// the same name and other content makes the copy take a free name ("beach (2).jpg"). The copy
// is written under a hidden temporary name and renamed when complete, so a failed or cancelled
// copy leaves nothing behind.
class ProjectFileCopy {
public:
    explicit ProjectFileCopy(std::string projectFolder) : folder_(std::move(projectFolder)) {}

    // Progress of the copy goes to the task between `from` and `to`.
    Mt::TaskResult Bring(const std::string& source, Mt::Task& task, double from = 0, double to = 1);

    // The file's name relative to the project folder.
    const std::string& name() const { return name_; }
    // True when Bring wrote a new file (which the caller may delete to undo the import).
    bool created() const { return created_; }

    // "beach.jpg", "beach (2).jpg", "beach (3).jpg"... : the name with the counter n (n > 1).
    static std::string NumberedName(const std::string& name, int n);
    // The first numbered name that names nothing in the folder.
    static std::string FreeName(const std::string& folder, const std::string& name);
    // Same size and bytes.
    static bool SameContent(const std::string& a, const std::string& b);

private:
    Mt::TaskResult Copy(const std::string& source, const std::string& target, Mt::Task& task,
                        double from, double to);

    std::string folder_, name_;
    bool created_ = false;
};
