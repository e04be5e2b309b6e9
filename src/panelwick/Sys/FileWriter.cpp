#include "panelwick/Sys/FileWriter.h"

#include <cerrno>
#include <cstring>

namespace Sys {

FileWriter::FileWriter(size_t capacity) : buffer_(capacity) {}

FileWriter::~FileWriter() { (void)Close(); }

bool FileWriter::Open(const std::filesystem::path& path) {
    (void)Close();
    error_ = 0;
    errno = 0;
    return Check(file_.Open(path, File::Mode::CreateAlways));
}

bool FileWriter::Check(bool ok) {
    if (!ok && error_ == 0) error_ = errno != 0 ? errno : EIO;
    return ok;
}

bool FileWriter::Flush() {
    if (used_ == 0) return true;
    errno = 0;
    const bool ok = Check(file_.WriteAll(buffer_.data(), used_));
    used_ = 0;
    return ok;
}

bool FileWriter::Write(const void* bytes, size_t count) {
    if (!file_.IsOpen()) return false;
    if (used_ + count > buffer_.size()) {
        if (!Flush()) return false;
        if (count > buffer_.size()) {
            errno = 0;
            return Check(file_.WriteAll(bytes, count));
        }
    }
    std::memcpy(buffer_.data() + used_, bytes, count);
    used_ += count;
    return true;
}

bool FileWriter::Close(bool durable) {
    if (!file_.IsOpen()) return true;
    bool ok = Flush();
    errno = 0;
    if (durable) ok = Check(file_.Sync()) && ok;
    errno = 0;
    return Check(file_.Close()) && ok;
}

}  // namespace Sys
