#pragma once

#include <string>

#include "project/MovieObject.h"
#include "project/ProjectPaths.h"

// Keys of the thumbnail store: a file's path with its size and modification time, so that a
// file written again gets a new key, and with it a new thumbnail.
namespace ThumbnailKey {

// The key of a regular file; empty when there is none at the path.
std::string OfFile(const std::string& path);
// The file a key names; a plain path names itself.
std::string FileOf(const std::string& key);
// The key of the picture an object's timeline row shows: a picture's file, a video's first
// frame, the copy of a drawing page's last export kept in PageExportCache once movie creation
// has made one. Empty for the other types, for objects naming no file and when the file is not
// there.
std::string OfObject(const MovieObject& object, const ProjectPaths& paths);

}  // namespace ThumbnailKey
