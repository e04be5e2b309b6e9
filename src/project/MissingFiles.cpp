#include "project/MissingFiles.h"

#include <unordered_map>

#include "panelwick/Sys/Utf.h"
#include "project/Document.h"
#include "project/FilePresence.h"

namespace MissingFiles {
namespace {

bool NamesAFile(MovieObjectType type) {
    return type == MovieObjectType::Image || type == MovieObjectType::Audio ||
           type == MovieObjectType::CorelDrawPage || type == MovieObjectType::Video;
}

}  // namespace

// Run after every change: each name is looked for once as a file and once as a folder at most,
// a folder holding many of them is read at once, and the missing ones are found again by
// name, not by a search of the list.
std::vector<Entry> Find(const Document& document) {
    std::vector<Entry> missing;
    FilePresence presence(document.folder());
    std::unordered_map<std::string, bool> files, folders;  // name: present
    std::unordered_map<std::string, size_t> entries;       // name: index in missing
    for (const MovieObject& o : document.objects) {
        if (!NamesAFile(o.type) || o.fileName.empty()) continue;
        const std::string name = Sys::ToUtf8(o.fileName);
        const bool folder = o.type == MovieObjectType::Video;
        const auto [seen, first] = (folder ? folders : files).try_emplace(name, false);
        if (first) seen->second = folder ? presence.Folder(name) : presence.File(name);
        if (seen->second) continue;
        const auto [entry, added] = entries.try_emplace(name, missing.size());
        if (added) missing.push_back({name, o.type, 0});
        ++missing[entry->second].objects;
    }
    return missing;
}

int Relink(Document& document, const std::string& missing, const std::string& replacement) {
    const std::u16string from = Sys::ToUtf16(missing), to = Sys::ToUtf16(replacement);
    int changed = 0;
    for (MovieObject& o : document.objects) {
        if (NamesAFile(o.type) && o.fileName == from) {
            o.fileName = to;
            ++changed;
        }
    }
    return changed;
}

}  // namespace MissingFiles
