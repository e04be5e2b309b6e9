#include "panelwick/Sys/FileSystem.h"

#include <algorithm>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "panelwick/Sys/File.h"

namespace fs = std::filesystem;

namespace Sys {

bool FolderExists(const fs::path& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const fs::path& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DeleteFile(const fs::path& path) {
    return ::unlink(path.c_str()) == 0;
}

bool EmptyFolder(const fs::path& path, const std::string& keep) {
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    if (ec) return true;
    bool ok = true;
    for (const auto& entry : it) {
        if (!keep.empty() && entry.path().filename() == keep) continue;
        std::error_code typeError;
        if (entry.is_directory(typeError) && !entry.is_symlink(typeError)) {
            ok = DeleteFolderTree(entry.path()) && !FolderExists(entry.path()) && ok;
        } else {
            ok = DeleteFile(entry.path()) && ok;
        }
    }
    return ok;
}

bool DeleteFolderTree(const fs::path& path) {
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    if (ec) return false;
    for (const auto& entry : it) {
        std::error_code typeError;
        if (entry.is_directory(typeError) && !entry.is_symlink(typeError)) {
            DeleteFolderTree(entry.path());
        } else {
            DeleteFile(entry.path());
        }
    }
    ::rmdir(path.c_str());
    return true;
}

std::vector<std::string> ListSubFolders(const fs::path& path) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(path, ec)) {
        std::error_code typeError;
        if (entry.is_directory(typeError)) names.push_back(entry.path().filename().string());
    }
    return names;
}

std::vector<std::string> ListFilesWithExtension(const fs::path& path, std::string_view ext) {
    std::vector<std::string> names;
    const std::string wanted = ToLowerAscii(ext);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(path, ec)) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) continue;
        std::string name = entry.path().filename().string();
        if (name.size() >= wanted.size() &&
            ToLowerAscii(std::string_view(name).substr(name.size() - wanted.size())) == wanted) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

bool WriteWholeFile(const fs::path& path, std::string_view bytes) {
    File file;
    return file.Open(path, File::Mode::CreateAlways) && file.WriteAll(bytes.data(), bytes.size()) &&
           file.Close();
}

bool ReadWholeFile(const fs::path& path, std::string& bytes) {
    File file;
    if (!file.Open(path, File::Mode::Read)) return false;
    const int64_t size = file.Size();
    if (size < 0) return false;
    std::string data(size_t(size), '\0');
    if (!file.ReadAll(data.data(), data.size())) return false;
    bytes = std::move(data);
    return true;
}

bool FileTitle(std::string_view path, std::string& title) {
    if (path.size() < 4) return false;
    const size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    title = std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
    return true;
}

bool FolderOf(std::string_view path, std::string& folder) {
    if (path.size() < 5) return false;
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos || slash == 0) return false;
    folder = std::string(path.substr(0, slash));
    return true;
}

std::string LowerExtension(std::string_view path, size_t maxLength) {
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return {};
    const std::string_view ext = path.substr(dot + 1);
    if (ext.empty() || ext.size() > maxLength) return {};
    return ToLowerAscii(ext);
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; });
    return out;
}

}  // namespace Sys
