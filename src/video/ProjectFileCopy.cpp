#include "video/ProjectFileCopy.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/SystemError.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kChunk = 1 << 20;

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int d) : fd(d) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

bool Exists(const fs::path& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// The path of a file inside the folder relative to it, or empty when the file lies elsewhere.
std::string InsideFolder(const std::string& folder, const std::string& file) {
    std::error_code ec;
    const fs::path base = fs::weakly_canonical(folder, ec);
    const fs::path path = fs::weakly_canonical(file, ec);
    if (ec) return {};
    const fs::path relative = path.lexically_relative(base);
    if (relative.empty() || *relative.begin() == "..") return {};
    return relative.string();
}

bool WriteAll(int fd, const char* bytes, size_t count) {
    while (count > 0) {
        const ssize_t n = ::write(fd, bytes, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        bytes += n;
        count -= size_t(n);
    }
    return true;
}

Mt::TaskResult Failure(const std::string& text, int error) {
    return Mt::TaskResult::Failed(Sys::WithSystemReason(text, error));
}

}  // namespace

std::string ProjectFileCopy::NumberedName(const std::string& name, int n) {
    if (n <= 1) return name;
    const size_t dot = name.rfind('.');
    const std::string suffix = " (" + std::to_string(n) + ")";
    if (dot == std::string::npos || dot == 0) return name + suffix;
    return name.substr(0, dot) + suffix + name.substr(dot);
}

std::string ProjectFileCopy::FreeName(const std::string& folder, const std::string& name) {
    for (int n = 1;; ++n) {
        const std::string candidate = NumberedName(name, n);
        if (!Exists(fs::path(folder) / candidate)) return candidate;
    }
}

bool ProjectFileCopy::SameContent(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec) return false;
    Descriptor fa(::open(a.c_str(), O_RDONLY | O_CLOEXEC));
    Descriptor fb(::open(b.c_str(), O_RDONLY | O_CLOEXEC));
    if (fa.fd < 0 || fb.fd < 0) return false;
    std::vector<char> ba(kChunk), bb(kChunk);
    for (;;) {
        const ssize_t na = ::read(fa.fd, ba.data(), kChunk);
        const ssize_t nb = ::read(fb.fd, bb.data(), kChunk);
        if (na != nb || na < 0) return false;
        if (na == 0) return true;
        if (!std::equal(ba.begin(), ba.begin() + na, bb.begin())) return false;
    }
}

Mt::TaskResult ProjectFileCopy::Bring(const std::string& source, Mt::Task& task, double from,
                                      double to) {
    created_ = false;
    name_ = InsideFolder(folder_, source);
    if (!name_.empty()) return {};
    const std::string fileName = fs::path(source).filename().string();
    for (int n = 1;; ++n) {
        name_ = NumberedName(fileName, n);
        const std::string target = folder_ + "/" + name_;
        if (!Exists(target)) break;
        if (SameContent(source, target)) return {};
    }
    Mt::TaskResult result = Copy(source, folder_ + "/" + name_, task, from, to);
    created_ = result.ok();
    return result;
}

Mt::TaskResult ProjectFileCopy::Copy(const std::string& source, const std::string& target,
                                     Mt::Task& task, double from, double to) {
    Descriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) return Failure("Unable to read the file", errno);
    struct stat st;
    const double total = ::fstat(in.fd, &st) == 0 && st.st_size > 0 ? double(st.st_size) : 1.0;
    const std::string part = fs::path(target).parent_path().string() + "/." +
                             fs::path(target).filename().string() + ".part";
    Descriptor out(::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.fd < 0) return Failure("Unable to create " + target, errno);
    auto fail = [&](Mt::TaskResult result) {
        Sys::DeleteFile(part);
        return result;
    };
    std::vector<char> buffer(kChunk);
    double done = 0;
    for (;;) {
        if (task.Cancelled()) return fail(Mt::TaskResult::Stopped());
        const ssize_t n = ::read(in.fd, buffer.data(), kChunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(Failure("Unable to read the file", errno));
        if (n == 0) break;
        if (!WriteAll(out.fd, buffer.data(), size_t(n))) {
            return fail(Failure("Unable to copy the file into the project folder", errno));
        }
        done += double(n);
        task.SetProgress(from + (to - from) * std::min(1.0, done / total));
    }
    const int closing = ::close(out.fd);
    out.fd = -1;
    if (closing != 0) {
        return fail(Failure("Unable to copy the file into the project folder", errno));
    }
    if (::rename(part.c_str(), target.c_str()) != 0) {
        return fail(Failure("Unable to create " + target, errno));
    }
    return {};
}
