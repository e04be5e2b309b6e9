#include "panelwick/CG/BmpWriter.h"

#include <string>

#include "panelwick/CG/DIBitmap.h"
#include "panelwick/Sys/FileSystem.h"

namespace CG {
namespace {

void PutU32(std::string& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes += char(value >> (8 * i));
}

}  // namespace

Sys::Result BmpWriter::Save(const DIBitmap& bitmap, const std::filesystem::path& path) {
    if (bitmap.empty()) return "The bitmap is empty";
    const uint32_t offset = uint32_t(14 + bitmap.header().size());
    std::string bytes = "BM";
    bytes.reserve(offset + bitmap.pixelDataSize());
    PutU32(bytes, uint32_t(offset + bitmap.pixelDataSize()));
    PutU32(bytes, 0);  // two reserved words
    PutU32(bytes, offset);
    bytes.append(reinterpret_cast<const char*>(bitmap.header().data()), bitmap.header().size());
    bytes.append(reinterpret_cast<const char*>(bitmap.pixels()), bitmap.pixelDataSize());
    if (!Sys::WriteWholeFile(path, bytes)) return "Unable to write " + path.string();
    return {};
}

}  // namespace CG
