// fuzz-links: reelwork_project
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "panelwick/Sys/BufferReader.h"
#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Sys::BufferReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
    MovieProperties properties;
    std::vector<MovieObject> objects;
    ProjectFileExtras extras;
    (void)ProjectFile::Read(reader, properties, objects, &extras);
    return 0;
}
