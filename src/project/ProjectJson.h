#pragma once

#include <string>
#include <vector>

#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "project/ProjectFile.h"

// The project as JSON, with the model's field names. Lossless: a string that is not valid
// UTF-16 becomes an array of its code units, a boolean byte other than 0 or 1 its number,
// and bytes after the last record a hex string "trailingBytes".
class ProjectJson {
public:
    static std::string Write(const MovieProperties& properties,
                             const std::vector<MovieObject>& objects,
                             const ProjectFileExtras& extras);
    // A missing field keeps its default; a value outside its field's range, or of the wrong
    // kind, is refused with a message naming the field.
    static Sys::Result Read(const std::string& text, MovieProperties& properties,
                            std::vector<MovieObject>& objects, ProjectFileExtras& extras);
};
