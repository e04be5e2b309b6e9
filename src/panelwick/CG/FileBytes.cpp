#include "panelwick/CG/FileBytes.h"

#include <new>

#include "panelwick/Sys/File.h"

namespace CG {

bool FileBytes::Read(const std::filesystem::path& path) {
    data_.reset();
    size_ = 0;
    Sys::File file;
    if (!file.Open(path, Sys::File::Mode::Read)) return false;
    const int64_t size = file.Size();
    if (size < 0 || uint64_t(size) > kMaxSize) return false;
    std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[size_t(size) + 1]);
    if (!data || !file.ReadAll(data.get(), size_t(size))) return false;
    data_ = std::move(data);
    size_ = size_t(size);
    return true;
}

}  // namespace CG
