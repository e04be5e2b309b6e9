#include "panelwick/Sys/FileWriter.h"

#include <cstring>

namespace Sys {

FileWriter::FileWriter(size_t capacity) : buffer_(capacity) {}

FileWriter::~FileWriter() { (void)Close(); }

bool FileWriter::Open(const std::filesystem::path& path) {
    (void)Close();
    return file_.Open(path, File::Mode::CreateAlways);
}

bool FileWriter::Flush() {
    if (used_ == 0) return true;
    const bool ok = file_.WriteAll(buffer_.data(), used_);
    used_ = 0;
    return ok;
}

bool FileWriter::Write(const void* bytes, size_t count) {
    if (!file_.IsOpen()) return false;
    if (used_ + count > buffer_.size()) {
        if (!Flush()) return false;
        if (count > buffer_.size()) return file_.WriteAll(bytes, count);
    }
    std::memcpy(buffer_.data() + used_, bytes, count);
    used_ += count;
    return true;
}

bool FileWriter::Close(bool durable) {
    if (!file_.IsOpen()) return true;
    bool ok = Flush();
    if (durable) ok = file_.Sync() && ok;
    return file_.Close() && ok;
}

}  // namespace Sys
