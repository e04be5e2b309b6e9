#include "audio/PeakCache.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "project/UserCacheFolder.h"

namespace {

constexpr char kMagic[8] = {'R', 'W', 'P', 'E', 'A', 'K', 'S', '1'};
constexpr uint64_t kLargestEntry = uint64_t(1) << 28;

void PutNumber(std::string& out, uint32_t n) {
    for (int i = 0; i < 4; ++i) out.push_back(char((n >> (8 * i)) & 0xFF));
}

bool GetNumber(const std::string& in, size_t& at, uint32_t& n) {
    if (in.size() < at + 4) return false;
    n = 0;
    for (int i = 0; i < 4; ++i) n |= uint32_t(uint8_t(in[at + i])) << (8 * i);
    at += 4;
    return true;
}

}  // namespace

std::filesystem::path PeakCache::DefaultFolder() {
    return UserCacheFolder("peaks");
}

std::string PeakCache::KeyOf(const std::filesystem::path& wave) {
    struct stat info {};
    const std::string path = std::filesystem::absolute(wave).lexically_normal().string();
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "\n%lld\n%lld.%09ld", (long long)info.st_size,
                  (long long)info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
    return path + numbers;
}

std::filesystem::path PeakCache::EntryOf(const std::string& key) const {
    const std::string path = key.substr(0, key.find('\n'));
    char name[32];
    std::snprintf(name, sizeof name, "%016zx.peaks", std::hash<std::string>{}(path));
    return folder_ / name;
}

std::string PeakCache::Format(const std::string& key, const WavePeaks& peaks) {
    std::string out(kMagic, sizeof kMagic);
    PutNumber(out, uint32_t(key.size()));
    out += key;
    PutNumber(out, uint32_t(peaks.peaks.size()));
    out.append(reinterpret_cast<const char*>(peaks.peaks.data()), peaks.peaks.size());
    return out;
}

bool PeakCache::Parse(const std::string& bytes, const std::string& key, WavePeaks& peaks) {
    if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        return false;
    }
    size_t at = sizeof kMagic;
    uint32_t keySize = 0, count = 0;
    if (!GetNumber(bytes, at, keySize) || keySize != key.size() ||
        bytes.compare(at, keySize, key) != 0) {
        return false;
    }
    at += keySize;
    if (!GetNumber(bytes, at, count) || bytes.size() - at != count) return false;
    peaks.peaks.assign(bytes.begin() + long(at), bytes.end());
    return true;
}

bool PeakCache::Load(const std::filesystem::path& wave, WavePeaks& peaks) const {
    const std::string key = KeyOf(wave);
    if (folder_.empty() || key.empty()) return false;
    std::ifstream in(EntryOf(key), std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || uint64_t(size) > kLargestEntry) return false;
    in.seekg(0);
    std::string bytes(size_t(size), '\0');
    if (!in.read(bytes.data(), size)) return false;
    return Parse(bytes, key, peaks);
}

// Written beside the entry and renamed over it, so a reader never sees half an entry.
void PeakCache::Store(const std::filesystem::path& wave, const WavePeaks& peaks) const {
    const std::string key = KeyOf(wave);
    if (folder_.empty() || key.empty()) return;
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    const std::filesystem::path entry = EntryOf(key);
    std::filesystem::path temporary = entry;
    temporary += ".part" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        const std::string bytes = Format(key, peaks);
        if (!out.write(bytes.data(), std::streamsize(bytes.size()))) return;
    }
    std::filesystem::rename(temporary, entry, error);
    if (error) std::filesystem::remove(temporary, error);
}

Sys::Result PeakCache::Get(const std::filesystem::path& wave, WavePeaks& peaks,
                           Mt::Task& task) const {
    if (Load(wave, peaks)) return Sys::Result::Ok();
    if (Sys::Result computed = WavePeaks::Compute(wave, peaks, task); computed.failed()) {
        return computed;
    }
    Store(wave, peaks);
    return Sys::Result::Ok();
}
