#include "panelwick/Sys/FileReader.h"

#include <algorithm>
#include <cstring>

namespace Sys {

FileReader::FileReader(size_t capacity) : buffer_(capacity) {}

bool FileReader::Open(const std::filesystem::path& path) {
    begin_ = end_ = 0;
    size_ = position_ = 0;
    if (!file_.Open(path, File::Mode::Read)) return false;
    const int64_t size = file_.Size();
    if (size < 0) return false;
    size_ = uint64_t(size);
    return true;
}

bool FileReader::Fill() {
    const size_t n = file_.Read(buffer_.data(), buffer_.size());
    if (n == File::kFailed || n == 0) return false;
    begin_ = 0;
    end_ = n;
    return true;
}

bool FileReader::Read(void* buffer, size_t count) {
    if (!file_.IsOpen() || count > Remaining()) return false;
    auto* out = static_cast<char*>(buffer);
    while (count > 0) {
        if (begin_ == end_ && !Fill()) return false;
        const size_t n = std::min(count, end_ - begin_);
        std::memcpy(out, buffer_.data() + begin_, n);
        begin_ += n;
        position_ += n;
        out += n;
        count -= n;
    }
    return true;
}

}  // namespace Sys
