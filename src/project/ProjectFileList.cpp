#include "project/ProjectFileList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "panelwick/Sys/FileSystem.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Extensions(MovieObjectType type) {
    switch (type) {
        case MovieObjectType::Image: return {"jpg", "png", "gif", "bmp"};
        case MovieObjectType::CorelDrawPage: return {"cdr"};
        case MovieObjectType::Audio: return {"wav"};
        default: return {};
    }
}

std::string Lower(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool Accepts(MovieObjectType type, const fs::directory_entry& entry) {
    std::error_code error;
    if (type == MovieObjectType::Video) {
        return entry.is_directory(error) && fs::is_regular_file(entry.path() / "video.bin", error);
    }
    if (!entry.is_regular_file(error)) return false;
    const std::string ext = Sys::LowerExtension(entry.path().filename().string(), 15);
    const auto wanted = Extensions(type);
    return std::find(wanted.begin(), wanted.end(), ext) != wanted.end();
}

}  // namespace

std::vector<std::string> ListProjectFiles(MovieObjectType type, const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (Accepts(type, *it)) names.push_back(it->path().filename().string());
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return Lower(a) < Lower(b);
    });
    return names;
}

int IndexOfName(const std::vector<std::string>& names, const std::string& name) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : int(it - names.begin());
}
