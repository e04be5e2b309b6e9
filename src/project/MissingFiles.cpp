#include "project/MissingFiles.h"

#include <algorithm>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "project/Document.h"

namespace MissingFiles {
namespace {

bool NamesAFile(MovieObjectType type) {
    return type == MovieObjectType::Image || type == MovieObjectType::Audio ||
           type == MovieObjectType::CorelDrawPage || type == MovieObjectType::Video;
}

}  // namespace

std::vector<Entry> Find(const Document& document) {
    std::vector<Entry> missing;
    for (const MovieObject& o : document.objects) {
        if (!NamesAFile(o.type) || o.fileName.empty()) continue;
        const std::string name = Sys::ToUtf8(o.fileName);
        const std::string path = document.folder() + "/" + name;
        const bool present =
            o.type == MovieObjectType::Video ? Sys::FolderExists(path) : Sys::FileExists(path);
        if (present) continue;
        auto known = std::find_if(missing.begin(), missing.end(),
                                  [&](const Entry& e) { return e.name == name; });
        if (known == missing.end()) known = missing.insert(missing.end(), {name, o.type, 0});
        ++known->objects;
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
