#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Folder and file helpers. Paths join with '/'.
namespace Sys {

bool FolderExists(const std::filesystem::path& path);
bool FileExists(const std::filesystem::path& path);  // a regular file
bool DeleteFile(const std::filesystem::path& path);
// Deletes everything inside the folder; true when every deletion succeeded. An empty or
// missing folder gives true. An entry named `keep` (when not empty) stays.
bool EmptyFolder(const std::filesystem::path& path, const std::string& keep = {});
// Deletes the folder with everything in it; false only when the folder cannot be listed.
bool DeleteFolderTree(const std::filesystem::path& path);
// Names of the sub-folders, in no particular order.
std::vector<std::string> ListSubFolders(const std::filesystem::path& path);
// Names of the files whose extension equals ext (".jpg") ignoring case, in no particular order.
std::vector<std::string> ListFilesWithExtension(const std::filesystem::path& path,
                                                std::string_view ext);
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// The characters after the last '/' up to the last '.' after it (or to the end); false for
// paths shorter than 4 characters.
bool FileTitle(std::string_view path, std::string& title);
// The characters before the last '/'; false for paths shorter than 5 characters or without a
// '/' after the first character.
bool FolderOf(std::string_view path, std::string& folder);
// The characters after the last '.' of the whole path, in lower case; empty when there is no
// '.', nothing after it, or more than maxLength characters after it.
std::string LowerExtension(std::string_view path, size_t maxLength);
std::string ToLowerAscii(std::string_view text);

}  // namespace Sys
