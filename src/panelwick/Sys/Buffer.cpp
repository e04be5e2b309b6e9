#include "panelwick/Sys/Buffer.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "panelwick/Sys/File.h"

namespace Sys {

bool Buffer::Grow(size_t needed) {
    size_t capacity = capacity_ == 0 ? 1024 : capacity_;
    while (capacity < needed) {
        if (capacity > SIZE_MAX / 2) return false;
        capacity *= 2;
    }
    return capacity == capacity_ || Reserve(capacity);
}

bool Buffer::Reserve(size_t capacity) {
    if (capacity <= capacity_) return true;
    std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[capacity]());
    if (!block) return false;
    if (size_ > 0) std::memcpy(block.get(), data_.get(), size_);
    data_ = std::move(block);
    capacity_ = capacity;
    return true;
}

size_t Buffer::Write(const void* bytes, size_t count) {
    position_ = 0;
    if (count > SIZE_MAX - size_ || !Grow(size_ + count)) return kFailed;
    if (count > 0) std::memcpy(data_.get() + size_, bytes, count);
    size_ += count;
    return count;
}

size_t Buffer::Read(void* buffer, size_t count) {
    const size_t n = std::min(count, size_ - position_);
    if (n > 0) std::memcpy(buffer, data_.get() + position_, n);
    position_ += n;
    return n;
}

bool Buffer::SaveToFile(const std::filesystem::path& path) const {
    File file;
    if (!file.Open(path, File::Mode::CreateAlways)) return false;
    for (size_t done = 0; done < size_;) {
        const size_t piece = std::min<size_t>(1024, size_ - done);
        if (!file.WriteAll(data_.get() + done, piece)) return false;
        done += piece;
    }
    return file.Close();
}

}  // namespace Sys
