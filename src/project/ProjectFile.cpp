#include "project/ProjectFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "panelwick/Sys/File.h"
#include "panelwick/Sys/FileReader.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/FileWriter.h"
#include "panelwick/Sys/SystemError.h"

namespace fs = std::filesystem;

namespace {

// The header fields in file order; the first one that cannot be written names the failure.
Sys::Result WriteAll(Sys::FileWriter& w, const MovieProperties& p,
                     const std::vector<MovieObject>& objects, const ProjectFileExtras& x) {
    if (!w.WriteU8(x.version)) return "Unable to save version";
    if (!w.WriteU8(x.subversion)) return "Unable to save subversion";
    if (!w.WriteU8(p.fps)) return "Unable to save fps";
    if (!w.WriteU8(p.movieQuality)) return "Unable to save movie quality";
    // JPG quality, size and back color have no message of their own: with a 64 KiB buffer
    // these bytes never reach the disk on their own.
    if (!w.WriteU8(p.jpgQuality) || !w.WriteU16(p.width) || !w.WriteU16(p.height) ||
        !w.WriteU32(p.backColor) || !w.WriteU8(x.normalizeVolumeByte)) {
        return "Unable to save normalize volume";
    }
    if (!w.WriteU8(x.darkThemeByte)) return "Unable to save dark theme";
    if (!w.WriteU32(static_cast<uint32_t>(objects.size()))) return "Unable to save object count";
    for (const MovieObject& object : objects) {
        if (!object.Write(w)) return "Unable to save movie object";
    }
    if (!x.trailing.empty() && !w.Write(x.trailing.data(), x.trailing.size())) {
        return "Unable to save movie object";
    }
    return {};
}

}  // namespace

fs::path ProjectFile::TemporaryPath(const fs::path& path) {
    fs::path temporary = path;
    temporary += ".saving";
    return temporary;
}

Sys::Result ProjectFile::Save(const fs::path& path, const MovieProperties& properties,
                              const std::vector<MovieObject>& objects,
                              const ProjectFileExtras* extras) {
    if (path.empty()) return "A filename is required";
    ProjectFileExtras x;
    if (extras) {
        x = *extras;
    } else {
        x.normalizeVolumeByte = properties.normalizeVolume ? 1 : 0;
        x.darkThemeByte = properties.darkTheme ? 1 : 0;
    }
    const fs::path temporary = TemporaryPath(path);
    Sys::FileWriter writer;
    if (!writer.Open(temporary)) {
        return Sys::WithSystemReason("Unable to create the file", writer.error());
    }
    std::string message = WriteAll(writer, properties, objects, x).message();
    // The last buffered bytes belong to the last field written; a failed final write is
    // that field's failure.
    if (!writer.Close(true) && message.empty()) {
        message = objects.empty() && x.trailing.empty() ? "Unable to save object count"
                                                        : "Unable to save movie object";
    }
    // The text names the field; the line after it says why the system refused.
    if (!message.empty()) {
        Sys::DeleteFile(temporary);
        return Sys::WithSystemReason(message, writer.error());
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        Sys::DeleteFile(temporary);
        return Sys::WithSystemReason("Unable to create the file", error);
    }
    return {};
}

Sys::Result ProjectFile::Load(const fs::path& path, MovieProperties& p,
                              std::vector<MovieObject>& objects, ProjectFileExtras* extras) {
    const std::string name = path.string();
    if (name.empty()) return "The file name is invalid";
    const std::string ext = Sys::LowerExtension(name, 7);
    if (ext.empty()) return "The file type is invalid";
    if (ext != "rwk") return "The file must be a Reelwork file (*.rwk)";
    {
        Sys::File probe;
        if (!probe.Open(path, Sys::File::Mode::Read)) return "The file could not be found";
    }
    Sys::FileReader r;
    if (!r.Open(path)) return "Unable to load file";
    return Read(r, p, objects, extras);
}

Sys::Result ProjectFile::Read(Sys::IReader& r, MovieProperties& p,
                              std::vector<MovieObject>& objects, ProjectFileExtras* extras) {
    ProjectFileExtras x;
    if (!r.ReadU8(x.version)) return "Unable to load version file";
    if (!r.ReadU8(x.subversion)) return "Unable to subversion file";
    if (!r.ReadU8(p.fps)) return "Unable to load fps";
    if (!r.ReadU8(p.movieQuality)) return "Unable to load movie quality";
    if (!r.ReadU8(p.jpgQuality)) return "Unable to load JPG quality";
    if (!r.ReadU16(p.width)) return "Unable to load movie width";
    if (!r.ReadU16(p.height)) return "Unable to load movie height";
    if (!r.ReadU32(p.backColor)) return "Unable to load movie back color";
    if (!r.ReadU8(x.normalizeVolumeByte)) return "Unable to load normalize volume";
    p.normalizeVolume = x.normalizeVolumeByte != 0;
    if (!r.ReadU8(x.darkThemeByte)) return "Unable to load dark theme";
    p.darkTheme = x.darkThemeByte != 0;
    uint32_t count;
    if (!r.ReadU32(count)) return "Unable to load object count";

    // A count the rest of the file cannot hold fails at a record that fits in this bound,
    // so the list never grows past it.
    const uint64_t fit = r.Remaining() / MovieObject::kMinimumRecordSize;
    objects.resize(static_cast<size_t>(std::min<uint64_t>(count, fit + 1)));
    for (size_t i = 0; i < objects.size(); ++i) {
        if (!objects[i].Read(r)) {
            objects.resize(i + 1);
            return kObjectFailure;
        }
    }
    if (extras) {
        x.trailing.resize(static_cast<size_t>(r.Remaining()));
        if (!r.Read(x.trailing.data(), x.trailing.size())) x.trailing.clear();
        *extras = std::move(x);
    }
    return {};
}
