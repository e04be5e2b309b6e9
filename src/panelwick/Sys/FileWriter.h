#pragma once

#include <filesystem>
#include <vector>

#include "panelwick/Sys/File.h"
#include "panelwick/Sys/IWriter.h"

namespace Sys {

// A buffered file writer. Bytes collect in the buffer; when they do not fit, the buffer is
// written out first, and data larger than the buffer goes to the file directly.
class FileWriter : public IWriter {
public:
    static constexpr size_t kDefaultCapacity = 65536;

    explicit FileWriter(size_t capacity = kDefaultCapacity);
    ~FileWriter() override;

    // Creates or replaces the file.
    bool Open(const std::filesystem::path& path);
    bool Write(const void* bytes, size_t count) override;
    // Writes out what is buffered (and, when durable, waits until it is on disk), then closes.
    bool Close(bool durable = false);
    // The system's error number of the first operation that failed since Open, 0 when none.
    int error() const { return error_; }

private:
    bool Flush();
    // Keeps the error number of the first failure, so that later calls cannot hide it.
    bool Check(bool ok);

    File file_;
    std::vector<char> buffer_;
    size_t used_ = 0;
    int error_ = 0;
};

}  // namespace Sys
