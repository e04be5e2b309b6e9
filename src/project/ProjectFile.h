#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "panelwick/Sys/IReader.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"
#include "project/MovieProperties.h"

// The bytes of a project file that the project model itself does not keep: the version pair,
// boolean bytes other than 0 and 1, and anything after the last record. Carrying them lets a
// file be rewritten byte for byte.
struct ProjectFileExtras {
    uint8_t version = 1;
    uint8_t subversion = 0;
    uint8_t normalizeVolumeByte = 1;
    uint8_t darkThemeByte = 0;
    std::string trailing;
};

// Reads and writes the binary project file: a 19-byte little-endian header, then the object
// records in list order.
class ProjectFile {
public:
    // The failure of a record: the header was read, so what came before the damage is kept.
    static constexpr const char* kObjectFailure = "Unable to load movie object";

    // The file a save writes before renaming it over path: path with ".saving" appended.
    static std::filesystem::path TemporaryPath(const std::filesystem::path& path);

    // Writes beside the old file and renames over it only when everything was written, so a
    // failed save leaves the previous file intact. A failure's text names what could not be
    // written; the system's reason follows on its own line.
    static Sys::Result Save(const std::filesystem::path& path, const MovieProperties& properties,
                            const std::vector<MovieObject>& objects,
                            const ProjectFileExtras* extras = nullptr);

    // Fields read before a failure keep their new values; the list ends with the record that
    // failed, so no object that was never read is left behind.
    static Sys::Result Load(const std::filesystem::path& path, MovieProperties& properties,
                            std::vector<MovieObject>& objects,
                            ProjectFileExtras* extras = nullptr);
    // Load without the file name checks: the header and records from any reader.
    static Sys::Result Read(Sys::IReader& reader, MovieProperties& properties,
                            std::vector<MovieObject>& objects,
                            ProjectFileExtras* extras = nullptr);
};
