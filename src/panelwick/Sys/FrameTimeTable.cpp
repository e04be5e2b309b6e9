#include "panelwick/Sys/FrameTimeTable.h"

#include <new>

#include "panelwick/Sys/File.h"
#include "panelwick/Sys/FrameFolder.h"

namespace Sys {
namespace {

// More entries than a recording of years; a larger file is not a time table.
constexpr uint64_t kMaxBytes = uint64_t(1) << 30;

}  // namespace

bool FrameTimeTable::Load(const std::string& projectFolder, const std::string& folderName) {
    return LoadFile(VideoBinPath(projectFolder, folderName));
}

bool FrameTimeTable::LoadFile(const std::string& path) {
    entries_.clear();
    File file;
    if (!file.Open(path, File::Mode::Read)) return false;
    const int64_t size = file.Size();
    if (size < 0 || uint64_t(size) > kMaxBytes) return false;
    if (size == 0) return true;
    const size_t count = size_t(size) / 4;
    std::vector<uint8_t> bytes(count * 4);
    // Reads until every byte arrived or the file gives no more; what never arrived stays 0.
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t n = file.Read(bytes.data() + done, bytes.size() - done);
        if (n == File::kFailed) return false;
        if (n == 0) break;
        done += n;
    }
    entries_.resize(count);
    for (size_t k = 0; k < count; ++k) {
        const uint8_t* b = bytes.data() + 4 * k;
        entries_[k] = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                      (uint32_t(b[3]) << 24);
    }
    return true;
}

uint32_t FrameTimeTable::FrameFor(uint32_t milliseconds) const {
    int64_t low = 0, high = int64_t(entries_.size()) - 1;
    while (low <= high) {
        const int64_t middle = (low + high) / 2;
        if (entries_[size_t(middle)] == milliseconds) return uint32_t(middle);
        if (entries_[size_t(middle)] <= milliseconds) {
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return uint32_t(low);
}

}  // namespace Sys
