#pragma once

#include <string>
#include <unordered_map>

// Whether files and folders named relative to one folder are there, for many names at once:
// a folder that many of the names lie in is read once, and only the names its listing lacks or
// cannot tell about are looked up one by one, so the answers are Sys::FileExists' and
// Sys::FolderExists'.
class FilePresence {
public:
    // Names in a folder looked up one by one before it is read.
    static constexpr int kReadAfter = 32;

    explicit FilePresence(std::string root) : root_(std::move(root)) {}

    bool File(const std::string& name) { return Is(name, false); }
    bool Folder(const std::string& name) { return Is(name, true); }

private:
    struct Listing {
        int asked = 0;
        std::unordered_map<std::string, unsigned char> types;  // name: dirent type
    };

    bool Is(const std::string& name, bool folder);
    void Read(const std::string& folder, Listing& listing) const;

    std::string root_;
    std::unordered_map<std::string, Listing> listings_;  // by folder, as the names give it
};
