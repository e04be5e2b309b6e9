#include "project/FilePresence.h"

#include <dirent.h>

#include "panelwick/Sys/FileSystem.h"

// An entry listed as a regular file or a folder answers at once; links, other kinds and names
// the listing lacks (a folder may ignore case) are looked up.
bool FilePresence::Is(const std::string& name, bool folder) {
    const size_t slash = name.rfind('/');
    const std::string parent = slash == std::string::npos ? "" : name.substr(0, slash);
    const std::string leaf = name.substr(slash == std::string::npos ? 0 : slash + 1);
    Listing& listing = listings_[parent];
    if (++listing.asked == kReadAfter) Read(root_ + "/" + parent, listing);
    if (const auto it = listing.types.find(leaf); !leaf.empty() && it != listing.types.end()) {
        if (it->second == DT_REG) return !folder;
        if (it->second == DT_DIR) return folder;
    }
    const std::string path = root_ + "/" + name;
    return folder ? Sys::FolderExists(path) : Sys::FileExists(path);
}

void FilePresence::Read(const std::string& folder, Listing& listing) const {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) listing.types[entry->d_name] = entry->d_type;
    ::closedir(dir);
}
