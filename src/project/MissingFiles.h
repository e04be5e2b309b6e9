#pragma once

#include <string>
#include <vector>

#include "project/MovieObjectType.h"

class Document;

// The files that objects name but the project folder lacks, and pointing those objects at
// replacements.
namespace MissingFiles {

struct Entry {
    std::string name;  // as the objects name it, relative to the project folder
    MovieObjectType type = MovieObjectType::Image;
    int objects = 0;  // how many objects name it
};

// Every missing file once, in the order of the first object naming it. Pictures, sounds and
// drawings must be files, videos frame folders.
std::vector<Entry> Find(const Document& document);

// Points every object naming `missing` at `replacement`; the number of objects changed.
int Relink(Document& document, const std::string& missing, const std::string& replacement);

}  // namespace MissingFiles
