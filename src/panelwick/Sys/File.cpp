#include "panelwick/Sys/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace Sys {

File::File(File&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

File::~File() { Close(); }

bool File::Open(const std::filesystem::path& path, Mode mode) {
    Close();
    int flags = O_CLOEXEC;
    switch (mode) {
        case Mode::Read: flags |= O_RDONLY; break;
        case Mode::CreateAlways: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
        case Mode::ReadWrite: flags |= O_RDWR | O_CREAT; break;
    }
    do {
        fd_ = ::open(path.c_str(), flags, 0666);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) return false;
    struct stat st;
    if (fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
        Close();
        return false;
    }
    return true;
}

bool File::Close() {
    if (fd_ < 0) return true;
    const bool ok = ::close(fd_) == 0;
    fd_ = -1;
    return ok;
}

size_t File::Read(void* buffer, size_t count) {
    ssize_t n;
    do {
        n = ::read(fd_, buffer, count);
    } while (n < 0 && errno == EINTR);
    return n < 0 ? kFailed : size_t(n);
}

size_t File::Write(const void* bytes, size_t count) {
    ssize_t n;
    do {
        n = ::write(fd_, bytes, count);
    } while (n < 0 && errno == EINTR);
    return n < 0 ? kFailed : size_t(n);
}

bool File::ReadAll(void* buffer, size_t count) {
    auto* p = static_cast<char*>(buffer);
    while (count > 0) {
        const size_t n = Read(p, count);
        if (n == kFailed || n == 0) return false;
        p += n;
        count -= n;
    }
    return true;
}

bool File::WriteAll(const void* bytes, size_t count) {
    const auto* p = static_cast<const char*>(bytes);
    while (count > 0) {
        const size_t n = Write(p, count);
        if (n == kFailed || n == 0) return false;
        p += n;
        count -= n;
    }
    return true;
}

bool File::Sync() { return fd_ >= 0 && ::fsync(fd_) == 0; }

bool File::Seek(uint64_t offset) {
    return fd_ >= 0 && ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) >= 0;
}

int64_t File::Size() const {
    struct stat st;
    if (fd_ < 0 || fstat(fd_, &st) != 0) return -1;
    return st.st_size;
}

}  // namespace Sys
