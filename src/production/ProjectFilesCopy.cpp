#include "production/ProjectFilesCopy.h"

#include <filesystem>
#include <set>
#include <system_error>

#include "panelwick/Sys/SystemError.h"
#include "panelwick/Sys/Utf.h"

namespace fs = std::filesystem;

ProjectFilesCopy::ProjectFilesCopy(const std::vector<MovieObject>& objects, const std::string& from,
                                   const std::string& to)
    : from_(from), to_(to) {
    std::error_code error;
    if (fs::equivalent(from_, to_, error)) return;
    std::set<std::string> names;
    for (const MovieObject& object : objects) {
        const std::string name = Sys::ToUtf8(object.fileName);
        // Objects name their files by bare name; anything else is not the project's own.
        if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
            continue;
        }
        if (names.insert(name).second) AddName(name);
    }
}

// A file, or a frame folder with everything in it.
void ProjectFilesCopy::AddName(const std::string& name) {
    std::error_code error;
    const fs::path source = fs::path(from_) / name;
    const auto add = [&](const fs::path& file) {
        const fs::path relative = fs::relative(file, from_, error);
        if (error || fs::exists(fs::path(to_) / relative, error)) return;
        const uint64_t size = fs::file_size(file, error);
        if (error) return;
        files_.push_back(relative.string());
        sizes_.push_back(size);
        bytes_ += size;
    };
    if (fs::is_regular_file(source, error)) {
        add(source);
    } else if (fs::is_directory(source, error)) {
        for (const auto& entry : fs::recursive_directory_iterator(source, error)) {
            if (entry.is_regular_file(error)) add(entry.path());
        }
    }
}

Mt::TaskResult ProjectFilesCopy::Run(Mt::Task& task) const {
    uint64_t done = 0;
    for (size_t i = 0; i < files_.size(); ++i) {
        if (task.Cancelled()) return Mt::TaskResult::Stopped();
        const fs::path target = fs::path(to_) / files_[i];
        std::error_code error;
        fs::create_directories(target.parent_path(), error);
        if (!error) fs::copy_file(fs::path(from_) / files_[i], target, error);
        if (error) {
            return Mt::TaskResult::Failed(
                Sys::WithSystemReason("Unable to copy " + files_[i], error.value()));
        }
        done += sizes_[i];
        task.SetProgress(bytes_ ? double(done) / double(bytes_) : 1.0);
    }
    task.SetProgress(1.0);
    return {};
}
