#pragma once

#include <filesystem>
#include <string>

#include "project/MovieObject.h"

// Copies of drawing pages' exports kept between runs for the timeline's page rows, one file per
// drawing page. An entry's name hashes the drawing's path and page number, then its size and
// modification time, so an edited drawing gets a new entry. Nothing here is ever reported: the
// copies only serve display.
class PageExportCache {
public:
    // The user's cache folder (see UserCacheFolder); none when it cannot be found.
    PageExportCache();
    explicit PageExportCache(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The entry for the object's drawing file (relative to the project folder) and page; empty
    // without a cache folder or when the drawing cannot be examined. It need not exist.
    std::filesystem::path Path(const std::string& projectFolder, const MovieObject& object) const;
    // Copies a fresh export into the object's entry and drops the entries of the drawing page's
    // earlier versions.
    void Keep(const std::string& exportedPng, const std::string& projectFolder,
              const MovieObject& object) const;

private:
    void DropOtherVersions(const std::filesystem::path& entry) const;

    std::filesystem::path folder_;
};
