#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace Sys {

// One open file descriptor, closed by the destructor.
class File {
public:
    enum class Mode { Read, CreateAlways, ReadWrite };
    static constexpr size_t kFailed = SIZE_MAX;

    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    ~File();

    bool Open(const std::filesystem::path& path, Mode mode);
    bool IsOpen() const { return fd_ >= 0; }
    bool Close();  // false when the descriptor reported an error on close

    // One system call each: the count transferred, or kFailed.
    size_t Read(void* buffer, size_t count);
    size_t Write(const void* bytes, size_t count);
    // Repeats until everything arrived; false on an error or when the file ends first.
    bool ReadAll(void* buffer, size_t count);
    // Repeats until everything is written.
    bool WriteAll(const void* bytes, size_t count);
    bool WriteString(std::string_view text) { return WriteAll(text.data(), text.size()); }
    bool Sync();
    bool Seek(uint64_t offset);
    // Size of the open file, or -1.
    int64_t Size() const;
    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

}  // namespace Sys
